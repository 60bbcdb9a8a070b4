// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>

// The 342 x 280 cards that the home view shows while the pointer rests on a panel button, and the welcome
// card the home view shows at rest in the same frame.
namespace HoverPictures {
QImage Welcome();
QImage Select();   // select.mid: new prediction
QImage History();  // history.mid: prediction records
QImage Player();   // player.mid: player profile
QImage Answer();   // answer.mid: questions and answers
}  // namespace HoverPictures
