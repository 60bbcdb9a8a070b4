// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMargins>
#include <QPointer>
#include <QScreen>

namespace {

// The frame around the client area: the window's own once the window manager has framed it; before that its
// owner's, framed by the same window manager, for a window that is to have a frame.
QMargins FrameAround(const QWidget& window, const QWidget& owner) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return {};
    }
    const QWidget& framed = window.frameGeometry() != window.geometry() ? window : *owner.window();
    const QRect frame = framed.frameGeometry();
    const QRect client = framed.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The part of the owner's screen that windows may take; empty when the screen is unknown.
QRect ScreenArea(const QWidget& owner) {
    const QScreen* screen = owner.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Where window's client area belongs over owner, with its frame whole on the owner's screen.
QRect PlaceFor(const QWidget& window, const QWidget& owner, Placement placement) {
    QRect client(QPoint(0, 0), window.size());
    switch (placement) {
        case Placement::centred:
            client.moveTopLeft(CentredOver(window, owner));
            break;
        case Placement::covering:
            client.moveTopLeft(owner.mapToGlobal(QPoint(0, 0)));
            break;
    }
    const QRect area = ScreenArea(owner);
    if (area.isEmpty()) {
        return client;
    }
    const QMargins frame = FrameAround(window, owner);
    return KeptWithin(client.marginsAdded(frame), area).marginsRemoved(frame);
}

// A centred window may lie a few pixels off the middle, as frames were allowed for; it is misplaced when its
// middle is off the owner or its frame is not whole on the screen. A covering window is misplaced anywhere
// but on its spot.
bool Misplaced(const QWidget& window, const QWidget& owner, Placement placement) {
    switch (placement) {
        case Placement::centred: {
            const QRect area = ScreenArea(owner);
            const QRect frame = window.frameGeometry();
            return !owner.window()->geometry().contains(window.geometry().center()) ||
                   (!area.isEmpty() && KeptWithin(frame, area) != frame);
        }
        case Placement::covering:
            return window.geometry() != PlaceFor(window, owner, placement);
    }
    return false;
}

// Lives until the window's first paint, then places the window over its owner again if it is not there, and
// goes.
class CFirstPaintPlacement : public QObject {
public:
    CFirstPaintPlacement(QWidget& placed, const QWidget& ownerWidget, Placement how)
        : QObject(&placed), window(&placed), owner(&ownerWidget), placement(how) {
        placed.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            if (owner != nullptr && window->isWindow() && Misplaced(*window, *owner, placement)) {
                window->setGeometry(PlaceFor(*window, *owner, placement));
            }
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> window;
    QPointer<const QWidget> owner;
    Placement placement;
};

}  // namespace

QPoint CentredOver(const QWidget& window, const QWidget& owner) {
    QRect placed(QPoint(0, 0), window.size());
    placed.moveCenter(owner.window()->geometry().center());
    return placed.topLeft();
}

QRect KeptWithin(const QRect& frame, const QRect& area) {
    QRect kept = frame;
    if (kept.right() > area.right()) {
        kept.moveRight(area.right());
    }
    if (kept.bottom() > area.bottom()) {
        kept.moveBottom(area.bottom());
    }
    // Last, so that a frame larger than the area keeps its top-left corner in it.
    if (kept.left() < area.left()) {
        kept.moveLeft(area.left());
    }
    if (kept.top() < area.top()) {
        kept.moveTop(area.top());
    }
    return kept;
}

int WidthForCaption(const QString& caption) {
    constexpr int kTitleBarFurniture = 140;
    return QFontMetrics(QApplication::font()).horizontalAdvance(caption) * 3 / 2 + kTitleBarFurniture;
}

void PlaceOverOwner(QWidget& window, const QWidget* owner, bool placeNow, Placement placement) {
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    if (owner == nullptr || owner->window() == &window || !window.isWindow()) {
        return;
    }
    if (placeNow) {
        // The window manager is asked for this spot from the start: the client area's, so that a covering
        // window lies exactly on its place whatever frame it gets.
        window.setGeometry(PlaceFor(window, *owner, placement));
    }
    new CFirstPaintPlacement(window, *owner, placement);
}
