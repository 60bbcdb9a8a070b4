// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the program shares: its background picture, its fonts and the one sound.
#include <QFont>
#include <QString>

class QPainter;

// Draws the picture file at the painter's origin, width x height of it at most: not stretched, a larger file
// is cut, a smaller one leaves the rest as it was. A relative name is a file of the program files folder. The
// file is read on every call (the format is forced: the extensions are ".ggr" and ".mid"); a missing or
// broken file draws nothing.
void PaintBackground(QPainter& painter, const QString& file, int width, int height);

// A font of the program's own: face "宋体" or "黑体" (served by the CJK substitutions, installed here on
// first use), height in pixels, weight Black.
QFont PageFont(int height, const QString& face);

// Plays a wave file (a relative name is a file of the program files folder) without waiting, cutting off a
// sound still playing. A file that is not there gives the system beep; without an audio device nothing is
// heard and nothing waits.
void PlaySoundFile(const QString& file);
