// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flat push button drawn from face pictures: one face while the pointer is over it or it is held, another
// at rest. The key colour of each face is transparent, so with a transparent background the button seems to
// lie on the page's own picture. A caption, if any, is drawn centred in the colours of the current state.
//
// Enter presses a focused button as Space does, wherever the button lies: on a page, in a dialog, on the
// panel.
//
// A button that has the keyboard focus shows it with a frame in the ink of the pictures, but only to a user
// who works with the keyboard (see CKeyboardCues): focus that follows a click shows nothing, as on a flat
// button it never did. Some skinned buttons are not buttons to the user: labels that only show text, and
// option squares whose picture shows whether they are chosen. Their role says so to assistive technology.
#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <array>

#include "controls/Colour.h"

class CSkinButton : public QAbstractButton {
    Q_OBJECT

public:
    // Indexes of the state colours.
    enum StateColour : unsigned char {
        kBackHot = 0,     // back when hovered or pressed
        kTextHot = 1,     // text when hovered or pressed
        kBackNormal = 2,  // back at rest
        kTextNormal = 3,  // text at rest
        kBackFocus = 4,   // back when focused
        kTextFocus = 5,   // text when focused (kept, never drawn)
        kStateColourCount = 6
    };

    // What the button is to the user. A label takes no focus and is read as text; an option is read as a
    // radio button, chosen or not; a check box, one square switched on and off by itself, as a check box,
    // checked or not.
    enum class ButtonRole { PushButton, Label, Option, CheckBox };

    explicit CSkinButton(QWidget* parent = nullptr);

    // Set once, while setting the button up, before it is first shown.
    void SetRole(ButtonRole role);
    ButtonRole Role() const { return role; }
    // Whether an option is the chosen one, or a check box is checked; its owner changes the faces to match.
    void SetOptionChosen(bool chosen);
    bool IsOptionChosen() const { return optionChosen; }

    // True while the button has the focus and shows the focus frame.
    bool HasKeyboardFocus() const { return keyboardFocus; }

    // Loads the faces from the program's bitmap resources (":/bitmaps/<id>.bmp"); normalId 0 means no normal
    // face. Returns what SetFaceBitmapHandles returns.
    int SetFaceBitmaps(unsigned hotId, COLORREF hotKey, unsigned normalId, COLORREF normalKey);
    // Replaces the faces. A null hot face leaves the button without picture. Returns 0, 1 when a face has no
    // size, 2 when its mask cannot be made (the button then holds no faces at all).
    int SetFaceBitmapHandles(const QImage& hot, COLORREF hotKey, const QImage& normal, COLORREF normalKey);
    int SetFlatBorder(bool draw, bool repaint);
    void SetTransparentBackground(bool repaint);
    // Index 6 or more changes nothing and returns 3; otherwise 0.
    int SetStateColour(unsigned char index, COLORREF colour, bool repaint);
    int ResetStateColours(bool repaint);

    COLORREF StateColour(unsigned char index) const;
    bool IsHovered() const { return hover; }
    bool HasHotFace() const { return !faces[kHotFace].pixmap.isNull(); }
    bool HasNormalFace() const { return !faces[kNormalFace].pixmap.isNull(); }

    QSize sizeHint() const override;

    // The focus frame's colour and width: the ink of the pictures' texts, 2 pixels along the button's edge.
    static constexpr COLORREF kFocusFrameColour = RGB(0, 40, 40);
    static constexpr int kFocusFrameWidth = 2;

signals:
    // The focus frame appeared (true) or went (false).
    void keyboardFocusChanged(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Fills the button when it is not transparent; a subclass may draw something else.
    virtual void OnDrawBackground(QPainter& painter, const QRect& rect);
    // The flat border: sunken while pressed, raised while hovered.
    virtual void OnDrawBorder(QPainter& painter, const QRect& rect, bool pressed);

private:
    enum FaceIndex { kHotFace = 0, kNormalFace = 1 };
    struct Face {
        QPixmap pixmap;  // the picture with its key pixels masked out
        COLORREF key = 0;
    };

    void ReleaseImages();
    int StoreFace(FaceIndex index, const QImage& image, COLORREF key);
    void CancelHover();
    // Draws the face for the state and returns the caption rectangle left over beside it.
    QRect DrawFaceBitmap(QPainter& painter, const QRect& rect, bool pressed);
    void DrawCaption(QPainter& painter, QRect textRect, bool pressed);
    void DrawFocusFrame(QPainter& painter, const QRect& rect) const;
    void SetKeyboardFocus(bool shown);

    bool flatBorder = true;
    bool transparent = false;
    bool hover = false;
    bool keyboardFocus = false;
    ButtonRole role = ButtonRole::PushButton;
    bool optionChosen = false;
    std::array<COLORREF, kStateColourCount> stateColours{};
    std::array<Face, 2> faces;
};
