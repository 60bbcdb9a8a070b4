// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CFaceRenderer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/art/ArtPalette.h"
#include "tools/art/CArtPainter.h"
#include "tools/art/CMotifPainter.h"

namespace {
// The face's shape leaves a one-pixel ring of key colour all round.
QRectF ShapeRect(const FaceSpec& face) {
    return QRectF(1, 1, face.width - 2, face.height - 2);
}

void FillShape(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top, const QColor& bottom,
               const QColor& border) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.setBrush(gradient);
    painter.setPen(QPen(border, 1.0));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void InnerHighlight(QPainter& painter, const QRectF& rect, qreal radius, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.0));
    painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
}

QFont SpacedKai(int pixels, qreal spacing) {
    QFont font = CArtPainter::Kai(pixels);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

void Words(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
           const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    // Letter spacing also trails the last character; shift by half of it to stay centred.
    const qreal trail = font.letterSpacing() / 2;
    painter.drawText(rect.translated(trail, 0), Qt::AlignCenter, text);
}
}  // namespace

QImage CFaceRenderer::Render(const FaceSpec& face) {
    QImage layer(face.width, face.height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    switch (face.style) {
        case FaceStyle::Nav:
            DrawNav(painter, face);
            break;
        case FaceStyle::Call:
        case FaceStyle::Secondary:
            DrawCall(painter, face);
            break;
        case FaceStyle::ArrowLeft:
        case FaceStyle::ArrowRight:
            DrawArrow(painter, face);
            break;
        case FaceStyle::Plaque:
        case FaceStyle::LightPlaque:
        case FaceStyle::OliveTab:
            DrawPlaque(painter, face);
            break;
        case FaceStyle::OptionOn:
        case FaceStyle::OptionOff:
            DrawOption(painter, face);
            break;
    }
    painter.end();
    return Flatten(layer, face);
}

void CFaceRenderer::DrawNav(QPainter& painter, const FaceSpec& face) {
    const QRectF rect = ShapeRect(face);
    const qreal radius = 6;
    const QString text = QString::fromUtf8(face.text);
    QColor markColour;
    QColor textColour;
    if (face.hot) {
        FillShape(painter, rect, radius, QColor(255, 253, 248), QColor(236, 244, 242), QColor(250, 236, 226));
        // A cinnabar bar down the left edge marks the button under the pointer.
        QPainterPath clip;
        clip.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        painter.save();
        painter.setClipPath(clip);
        painter.fillRect(QRectF(rect.left(), rect.top(), 5, rect.height()), Palette::cinnabar);
        painter.restore();
        markColour = Palette::cinnabar;
        textColour = Palette::cinnabarDark;
    } else {
        FillShape(painter, rect, radius, QColor(226, 242, 245), QColor(176, 214, 223), QColor(206, 234, 240));
        InnerHighlight(painter, rect, radius, QColor(255, 255, 255, 90));
        markColour = QColor(34, 104, 122);
        textColour = Palette::ink;
    }
    CMotifPainter motifs(painter);
    motifs.Trigram(QRectF(12, 11, 15, 13), CMotifPainter::TrigramLines(face.mark), markColour, 2.6, 3.4);
    const int count = static_cast<int>(text.size());
    const int pixels = std::min(18, (face.width - 46) / count);
    const qreal spacing = count <= 2 ? 10 : (count <= 4 ? 2 : 0);
    Words(painter, QRectF(32, 1, face.width - 40, face.height - 2), text, SpacedKai(pixels, spacing),
          textColour);
}

void CFaceRenderer::DrawCall(QPainter& painter, const FaceSpec& face) {
    const QRectF rect = ShapeRect(face);
    const qreal radius = 7;
    const QString text = QString::fromUtf8(face.text);
    const bool call = face.style == FaceStyle::Call;
    QColor textColour;
    QColor ornament;
    if (call) {
        if (face.hot) {
            FillShape(painter, rect, radius, QColor(222, 90, 64), QColor(170, 44, 30), QColor(120, 26, 18));
            InnerHighlight(painter, rect, radius, QColor(255, 226, 200, 170));
            textColour = QColor(255, 250, 236);
        } else {
            FillShape(painter, rect, radius, QColor(196, 66, 46), QColor(146, 36, 26), QColor(112, 24, 16));
            InnerHighlight(painter, rect, radius, QColor(255, 210, 180, 90));
            textColour = Palette::cream;
        }
        ornament = textColour;
    } else if (face.hot) {
        FillShape(painter, rect, radius, QColor(74, 158, 180), QColor(32, 106, 126), QColor(12, 70, 82));
        textColour = Palette::white;
        ornament = QColor(210, 236, 240);
    } else {
        FillShape(painter, rect, radius, QColor(236, 246, 247), QColor(192, 224, 231), QColor(74, 128, 140));
        InnerHighlight(painter, rect, radius, QColor(255, 255, 255, 120));
        textColour = Palette::ink;
        ornament = QColor(74, 128, 140);
    }
    const int count = static_cast<int>(text.size());
    const int pixels = call ? 19 : 18;
    const qreal spacing = count <= 2 ? 12 : 5;
    Words(painter, rect, text, SpacedKai(pixels, spacing), textColour);
    // Small cloud-head ornaments at both ends.
    painter.setPen(QPen(ornament, 1.2));
    painter.setBrush(Qt::NoBrush);
    const qreal y = rect.center().y();
    const qreal inset = call ? 13 : 11;
    painter.drawLine(QPointF(rect.left() + inset - 5, y), QPointF(rect.left() + inset + 2, y));
    painter.drawLine(QPointF(rect.right() - inset - 2, y), QPointF(rect.right() - inset + 5, y));
    painter.setBrush(ornament);
    painter.drawEllipse(QPointF(rect.left() + inset + 4, y), 1.6, 1.6);
    painter.drawEllipse(QPointF(rect.right() - inset - 4, y), 1.6, 1.6);
}

void CFaceRenderer::DrawArrow(QPainter& painter, const FaceSpec& face) {
    const QRectF rect = ShapeRect(face);
    const qreal radius = rect.height() / 2;
    QColor arrow;
    if (face.hot) {
        FillShape(painter, rect, radius, QColor(74, 158, 180), QColor(30, 104, 124), QColor(10, 66, 78));
        arrow = Palette::white;
    } else {
        FillShape(painter, rect, radius, QColor(238, 247, 248), QColor(190, 222, 229), QColor(70, 124, 136));
        InnerHighlight(painter, rect, radius, QColor(255, 255, 255, 130));
        arrow = Palette::ink;
    }
    painter.save();
    painter.translate(rect.center());
    if (face.style == FaceStyle::ArrowLeft) {
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(arrow, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(-10, 0), QPointF(7, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrow);
    QPolygonF head;
    head << QPointF(11.5, 0) << QPointF(3, -6.5) << QPointF(5.5, 0) << QPointF(3, 6.5);
    painter.drawPolygon(head);
    painter.setBrush(face.hot ? QColor(255, 255, 255, 150) : QColor(Palette::cinnabar));
    painter.drawEllipse(QPointF(-12.5, 0), 1.8, 1.8);
    painter.restore();
}

void CFaceRenderer::DrawPlaque(QPainter& painter, const FaceSpec& face) {
    const QRectF rect = ShapeRect(face);
    const qreal radius = 5;
    const QString text = QString::fromUtf8(face.text);
    QColor textColour;
    if (face.style == FaceStyle::OliveTab) {
        if (face.hot) {
            FillShape(painter, rect, radius, QColor(250, 246, 232), QColor(226, 220, 194),
                      QColor(244, 238, 218));
            textColour = QColor(58, 72, 42);
        } else {
            FillShape(painter, rect, radius, QColor(132, 152, 108), QColor(104, 124, 84),
                      QColor(214, 208, 178));
            textColour = Palette::cream;
        }
    } else if (face.style == FaceStyle::LightPlaque) {
        if (face.hot) {
            FillShape(painter, rect, radius, QColor(240, 246, 252), QColor(208, 226, 242),
                      Palette::blueLetters);
            textColour = Palette::blueLetters;
        } else {
            FillShape(painter, rect, radius, QColor(250, 252, 252), QColor(214, 232, 236), Palette::slate);
            textColour = Palette::ink;
        }
    } else if (face.hot) {
        FillShape(painter, rect, radius, QColor(74, 158, 180), QColor(32, 106, 126), QColor(12, 70, 82));
        textColour = Palette::white;
    } else {
        FillShape(painter, rect, radius, QColor(236, 246, 247), QColor(194, 225, 232), QColor(74, 128, 140));
        InnerHighlight(painter, rect, radius, QColor(255, 255, 255, 120));
        textColour = Palette::ink;
    }
    const int count = static_cast<int>(text.size());
    const int pixels = std::min(16, static_cast<int>((rect.width() - 12) / count));
    const qreal spacing = count <= 2 ? 8 : 0;
    Words(painter, rect, text, SpacedKai(pixels, spacing), textColour);
}

void CFaceRenderer::DrawOption(QPainter& painter, const FaceSpec& face) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (face.style == FaceStyle::OptionOn) {
        painter.setPen(QPen(Palette::ink, 1.0));
        painter.setBrush(QColor(28, 92, 106));
        painter.drawRect(QRect(1, 1, face.width - 3, face.height - 3));
        painter.fillRect(QRect(5, 5, face.width - 10, face.height - 10), QColor(0, 40, 40));
        painter.fillRect(QRect(2, 2, face.width - 4, 1), QColor(80, 146, 160));
    } else {
        painter.setPen(QPen(Palette::slate, 1.0));
        painter.setBrush(QColor(240, 247, 248));
        painter.drawRect(QRect(1, 1, face.width - 3, face.height - 3));
        painter.fillRect(QRect(2, 2, face.width - 4, 1), QColor(214, 230, 234));
    }
}

QImage CFaceRenderer::Flatten(const QImage& layer, const FaceSpec& face) {
    const QColor key = ToQColor(face.key);
    const QColor surround = ToQColor(face.surround);
    QImage out(face.width, face.height, QImage::Format_RGB32);
    for (int y = 0; y < face.height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < face.width; ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            if (a == 0) {
                line[x] = key.rgb();
                continue;
            }
            // Premultiplied source over the page colour.
            const int r = qRed(p) + (surround.red() * (255 - a) + 127) / 255;
            const int g = qGreen(p) + (surround.green() * (255 - a) + 127) / 255;
            int b = qBlue(p) + (surround.blue() * (255 - a) + 127) / 255;
            QRgb value = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            if (value == key.rgb()) {
                b = qBlue(value) > 0 ? qBlue(value) - 1 : 1;
                value = qRgb(qRed(value), qGreen(value), b);
            }
            line[x] = value;
        }
    }
    return out;
}
