// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CSkinButton.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "controls/CKeyboardCues.h"
#include "controls/CSkinButtonAccessible.h"
#include "controls/ImageFile.h"

namespace {

// The colours a button starts with: the platform's button face and button text.
COLORREF SystemButtonFace() {
    return FromQColor(QApplication::palette().color(QPalette::Button));
}
COLORREF SystemButtonText() {
    return FromQColor(QApplication::palette().color(QPalette::ButtonText));
}

// Focus shows to a keyboard user only. The reason alone cannot tell: a dialog being shown hands its focus
// widget a Tab focus-in of its own, and focus the program gives after a click looks like any other. So a
// focus that did not come with a click counts as the keyboard's when the user last used the keyboard.
bool FocusFromKeyboard(Qt::FocusReason reason) {
    return reason != Qt::MouseFocusReason && CKeyboardCues::KeyboardInUse();
}

}  // namespace

CSkinButton::CSkinButton(QWidget* parent) : QAbstractButton(parent) {
    // Hover follows plain mouse moves, without a button held.
    setMouseTracking(true);
    ResetStateColours(false);
    CKeyboardCues::Install();
    CSkinButtonAccessible::Install();
}

void CSkinButton::SetRole(ButtonRole buttonRole) {
    role = buttonRole;
    if (role == ButtonRole::Label) {
        // A label shows text only: Tab passes it by.
        setFocusPolicy(Qt::NoFocus);
    }
}

void CSkinButton::SetOptionChosen(bool chosen) {
    if (optionChosen == chosen) {
        return;
    }
    optionChosen = chosen;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

int CSkinButton::SetFaceBitmaps(unsigned hotId, COLORREF hotKey, unsigned normalId, COLORREF normalKey) {
    const auto load = [](unsigned id) { return id == 0 ? QImage() : ResourceBitmap(id); };
    return SetFaceBitmapHandles(load(hotId), hotKey, load(normalId), normalKey);
}

int CSkinButton::SetFaceBitmapHandles(const QImage& hot, COLORREF hotKey, const QImage& normal,
                                      COLORREF normalKey) {
    ReleaseImages();
    if (!hot.isNull()) {
        int result = StoreFace(kHotFace, hot, hotKey);
        if (result == 0 && !normal.isNull()) {
            result = StoreFace(kNormalFace, normal, normalKey);
        }
        if (result != 0) {
            ReleaseImages();
            update();
            return result;
        }
    }
    update();
    return 0;
}

int CSkinButton::StoreFace(FaceIndex index, const QImage& image, COLORREF key) {
    QImage face = image.convertToFormat(QImage::Format_RGB32);
    if (face.width() <= 0 || face.height() <= 0) {
        return 1;
    }
    // Key pixels go transparent so whatever lies under the button shows through them. Every pixel of an
    // RGB32 image is opaque, so its bytes are already a premultiplied image: one pass clears the key, and the
    // pixmap takes the image over as it is, where a mask would have cost three more copies of the face.
    face.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    // The image's own copy of the pixels (the caller keeps the original): none when memory runs out.
    if (face.bits() == nullptr) {
        return 2;
    }
    const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key));
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        std::replace(line, line + face.width(), keyRgb, QRgb(0));
    }
    faces[index].pixmap = QPixmap::fromImage(std::move(face));
    faces[index].key = key;
    return 0;
}

void CSkinButton::ReleaseImages() {
    for (Face& face : faces) {
        face = Face{};
    }
}

int CSkinButton::SetFlatBorder(bool draw, bool repaint) {
    flatBorder = draw;
    if (repaint) {
        update();
    }
    return 0;
}

void CSkinButton::SetTransparentBackground(bool repaint) {
    transparent = true;
    if (repaint) {
        update();
    }
}

int CSkinButton::SetStateColour(unsigned char index, COLORREF colour, bool repaint) {
    if (index >= kStateColourCount) {
        return 3;
    }
    stateColours[index] = colour;
    if (repaint) {
        update();
    }
    return 0;
}

int CSkinButton::ResetStateColours(bool repaint) {
    const COLORREF face = SystemButtonFace();
    const COLORREF text = SystemButtonText();
    stateColours = {face, text, face, text, face, text};
    if (repaint) {
        update();
    }
    return 0;
}

COLORREF CSkinButton::StateColour(unsigned char index) const {
    return index < kStateColourCount ? stateColours[index] : 0;
}

QSize CSkinButton::sizeHint() const {
    if (HasHotFace()) {
        return faces[kHotFace].pixmap.size();
    }
    const QSize text = fontMetrics().size(0, this->text());
    return text + QSize(6, 6);
}

void CSkinButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect r = rect();
    const bool pressed = isDown();
    // A transparent button paints no background of its own: the parent's picture is already under it.
    if (!transparent) {
        OnDrawBackground(painter, r);
    }
    if (flatBorder && (pressed || hover)) {
        OnDrawBorder(painter, r, pressed);
    }
    QRect textRect = r;
    if (HasHotFace()) {
        textRect = DrawFaceBitmap(painter, r, pressed);
    }
    if (!text().isEmpty()) {
        DrawCaption(painter, textRect, pressed);
    }
    if (keyboardFocus && role != ButtonRole::Label) {
        DrawFocusFrame(painter, r);
    }
}

void CSkinButton::DrawFocusFrame(QPainter& painter, const QRect& rect) const {
    const QColor ink = ToQColor(kFocusFrameColour);
    const int w = kFocusFrameWidth;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), w), ink);
    painter.fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), ink);
    painter.fillRect(QRect(rect.left(), rect.top(), w, rect.height()), ink);
    painter.fillRect(QRect(rect.right() - w + 1, rect.top(), w, rect.height()), ink);
}

void CSkinButton::OnDrawBackground(QPainter& painter, const QRect& rect) {
    COLORREF back = stateColours[kBackNormal];
    if (hover || isDown()) {
        back = stateColours[kBackHot];
    } else if (hasFocus()) {
        back = stateColours[kBackFocus];
    }
    painter.fillRect(rect, ToQColor(back));
}

void CSkinButton::OnDrawBorder(QPainter& painter, const QRect& rect, bool pressed) {
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor topLeft = pressed ? shadow : light;
    const QColor bottomRight = pressed ? light : shadow;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

QRect CSkinButton::DrawFaceBitmap(QPainter& painter, const QRect& rect, bool pressed) {
    const bool useHot = pressed || hover || !HasNormalFace();
    const QPixmap& face = faces[useHot ? kHotFace : kNormalFace].pixmap;
    QPoint origin = rect.topLeft();
    QRect textRect = rect;
    if (text().isEmpty()) {
        origin.rx() += (rect.width() - face.width()) / 2;
    } else {
        // The picture stands left of the caption.
        origin.rx() += 3;
        textRect.setLeft(textRect.left() + face.width() + 3);
    }
    origin.ry() += (rect.height() - face.height()) / 2;
    if (pressed) {
        origin += QPoint(1, 1);
    }
    painter.drawPixmap(origin, face);
    return textRect;
}

void CSkinButton::DrawCaption(QPainter& painter, QRect textRect, bool pressed) {
    if (pressed) {
        textRect.translate(1, 1);
    }
    const bool hot = pressed || hover;
    painter.setPen(ToQColor(stateColours[hot ? kTextHot : kTextNormal]));
    painter.setFont(font());
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    // The move was over the button: the page behind must not take it for a move over bare page.
    event->accept();
    // A press that started elsewhere does not light the button up when dragged onto it.
    if ((event->buttons() & Qt::LeftButton) && !hover) {
        return;
    }
    if (rect().contains(event->position().toPoint())) {
        if (!hover) {
            hover = true;
            update();
        }
    } else {
        CancelHover();
    }
}

void CSkinButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    CancelHover();
}

// A click on a button that shows the frame takes the frame away: the user has gone over to the mouse.
void CSkinButton::mousePressEvent(QMouseEvent* event) {
    SetKeyboardFocus(false);
    QAbstractButton::mousePressEvent(event);
}

// Qt's buttons take Space only; Enter goes to the window, which presses a default push button if it has one.
// These windows have none, and a user who Tabs to a picture button expects Enter to press it.
void CSkinButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && role != ButtonRole::Label) {
        event->accept();
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CSkinButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    SetKeyboardFocus(FocusFromKeyboard(event->reason()));
}

void CSkinButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    SetKeyboardFocus(false);
    CancelHover();
}

void CSkinButton::SetKeyboardFocus(bool shown) {
    if (keyboardFocus == shown) {
        return;
    }
    keyboardFocus = shown;
    update();
    emit keyboardFocusChanged(shown);
}

void CSkinButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    const bool disabled = event->type() == QEvent::EnabledChange && !isEnabled();
    const bool deactivated = event->type() == QEvent::ActivationChange && !isActiveWindow();
    if (disabled || deactivated) {
        CancelHover();
    }
}

void CSkinButton::CancelHover() {
    if (hover) {
        hover = false;
        update();
    }
}
