// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tour checks on every view it draws: that something was drawn at all, and that no control of the
// window sits outside its window, even in part.
#include <QImage>
#include <QStringList>

class QWidget;

// True when the picture is (nearly) one colour: a window that painted nothing, or nothing but its ground.
bool IsBlank(const QImage& picture);

// Every visible control of window (at any depth) that does not lie wholly inside its parent, described as
// "class 'name' x,y wxh in parent class wxh".
QStringList ControlsOutside(const QWidget& window);

// A screenshot of a modal window as the user sees it: the window centred over the main window, with a shadow,
// and above it a plain title bar with caption when the window has one (the offscreen platform draws no window
// frames; the program's own notices have none anyway).
QImage OverMainWindow(const QImage& mainWindow, const QImage& dialog, const QString& caption);
