// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours travel through the program as 0x00BBGGRR values, the layout the program's colour texts and stored
// settings were written in; widgets convert them to QColor only when they paint.
#include <QColor>
#include <cstdint>

using COLORREF = std::uint32_t;

// RGB(r, g, b) as the program's texts write it: red in the low byte.
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>(r & 0xFF) | (static_cast<COLORREF>(g & 0xFF) << 8) |
           (static_cast<COLORREF>(b & 0xFF) << 16);
}

constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

inline QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline COLORREF FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}
