// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key colours of the button faces. Each face is drawn on the ground colour of the page it lies on, and
// its pixels of that colour let the page show through. The art tool paints the faces and the page grounds
// from these same constants, so a face and its page cannot drift apart.
#include "controls/Colour.h"

inline constexpr COLORREF kCeladonKey = RGB(155, 197, 207);  // page ground: the 71 x 25 faces, its text boxes
inline constexpr COLORREF kMistKey = RGB(151, 191, 201);     // start page ground: its two faces
inline constexpr COLORREF kDeepKey = RGB(139, 183, 194);     // inner panels: the arrows
inline constexpr COLORREF kTealKey = RGB(66, 152, 177);      // navigation panel: its five faces
inline constexpr COLORREF kWhiteKey = RGB(255, 255, 255);    // white paper: the light faces, the options
inline constexpr COLORREF kOliveKey = RGB(90, 108, 73);      // the date dialog's header: its help face
// The fortune help face lies on white paper but is keyed red: white is drawn inside it.
inline constexpr COLORREF kRedKey = RGB(255, 0, 0);
