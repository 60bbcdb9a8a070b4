#include "controls/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace {

// Lives until the window's first paint, then centres the window over its owner and goes.
class CFirstPaintPlacement : public QObject {
public:
    CFirstPaintPlacement(QWidget& placed, const QWidget& ownerWindow)
        : QObject(&placed), window(&placed), owner(&ownerWindow) {
        placed.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            // A few pixels' difference in how a frame was allowed for is no reason to move a window.
            const QRect ownerArea = owner != nullptr ? owner->geometry() : QRect();
            if (owner != nullptr && window->isWindow() && !ownerArea.contains(window->geometry().center())) {
                window->setGeometry(QRect(CentredOver(*window, *owner), window->size()));
            }
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> window;
    QPointer<const QWidget> owner;
};

}  // namespace

QPoint CentredOver(const QWidget& window, const QWidget& owner) {
    QRect placed(QPoint(0, 0), window.size());
    placed.moveCenter(owner.window()->geometry().center());
    return placed.topLeft();
}

void PlaceOverOwner(QWidget& window, const QWidget* owner, bool placeNow) {
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    if (owner == nullptr || owner->window() == &window || !window.isWindow()) {
        return;
    }
    const QWidget& ownerWindow = *owner->window();
    if (placeNow) {
        // The window manager is asked for this spot from the start.
        window.move(CentredOver(window, ownerWindow));
    }
    new CFirstPaintPlacement(window, ownerWindow);
}
