// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one palette of every picture. The celadon tones are the key colours the buttons are drawn on, taken
// from the constants the program sets the faces up with, so a page filled with them lets each button lie
// seamlessly on its page; ink and cinnabar carry the text and the seals.
#include <QColor>

#include "shell/FaceKeys.h"

namespace Palette {
inline const QColor celadon = ToQColor(kCeladonKey);   // page ground, key of most 71 x 25 buttons
inline const QColor celadonMist = ToQColor(kMistKey);  // start page ground
inline const QColor celadonDeep = ToQColor(kDeepKey);  // inner panels, key of the arrows
inline const QColor teal = ToQColor(kTealKey);         // navigation panel
inline const QColor celadonLight{173, 221, 232};       // text boxes
inline const QColor slate{104, 148, 160};              // rules, chart
inline const QColor ink{0, 40, 40};
inline const QColor inkSoft{40, 80, 84};
inline const QColor white{255, 255, 255};
inline const QColor paper{240, 247, 246};  // light cards behind the hexagram pictures
inline const QColor cinnabar{184, 52, 36};
inline const QColor cinnabarDark{140, 34, 24};
inline const QColor olive = ToQColor(kOliveKey);  // header of the date dialog, key of its help button
inline const QColor cream{244, 239, 222};
inline const QColor blueLetters{24, 64, 150};
}  // namespace Palette
