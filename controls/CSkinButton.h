#pragma once
// A flat push button drawn from face pictures: one face while the pointer is over it or it is held, another
// at rest. The key colour of each face is transparent, so with a transparent background the button seems to
// lie on the page's own picture. A caption, if any, is drawn centred in the colours of the current state.
#include <QAbstractButton>
#include <QBitmap>
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

    explicit CSkinButton(QWidget* parent = nullptr);

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
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

    bool flatBorder = true;
    bool transparent = false;
    bool hover = false;
    std::array<COLORREF, kStateColourCount> stateColours{};
    std::array<Face, 2> faces;
};
