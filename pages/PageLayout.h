// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placing controls at their rectangles of the shared layout, and dressing a skinned button the way every
// window of the program does: transparent over the page, no border, placed, then its two faces, and the name
// a screen reader says for it (the words its picture shows).
#include <QString>
#include <QWidget>
#include <vector>

#include "controls/CSkinButton.h"
#include "controls/Colour.h"
#include "res/Layout.h"

inline void Place(QWidget& widget, const Layout::Rect& rect) {
    widget.setGeometry(rect.x, rect.y, rect.w, rect.h);
}

inline void SetUpSkinButton(CSkinButton& button, const Layout::Rect& rect, unsigned hotId, unsigned normalId,
                            COLORREF key, const QString& accessibleName) {
    button.SetTransparentBackground(true);
    button.SetFlatBorder(false, true);
    Place(button, rect);
    button.SetFaceBitmaps(hotId, key, normalId, key);
    button.setAccessibleName(accessibleName);
}

// Tab walks the widgets in this order (a colour edit is reached through its inner editor).
inline void SetTabChain(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        QWidget* target = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, target);
        }
        previous = target;
    }
}
