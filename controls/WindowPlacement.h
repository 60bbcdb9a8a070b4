// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs and message boxes open over the window they belong to, whole on its screen, whatever the window
// manager did.
//
// Under a window manager that places a new window itself (openbox does), Qt can be left believing that the
// window lies at the screen's top-left corner: the window manager frames it there first and moves the frame
// afterwards, and Qt may read the position in between. Qt then opens whatever it positions from that window
// (a calendar popup under a date field, a message box centred on its owner) at the top-left corner of the
// screen. So once the window has been framed and is about to be drawn for the first time, it is placed over
// its owner again: where Qt's idea was already right nothing moves, and where it was wrong the request puts
// Qt and the window manager back in agreement.
#include <QRect>
#include <QString>
#include <QWidget>

// Where a window lies over its owner.
enum class Placement {
    centred,   // its middle over the middle of the owner's window
    covering,  // its client area exactly over the owner widget, as a page of the main window covers its place
};

// Call before the window is shown. owner: the window or widget it belongs to (null: the active window, if
// another). placeNow: place it at once, for a window whose size is final before it is shown (Qt centres a
// message box over its owner by itself, once it knows its size); in every case a window whose first paint
// finds it anywhere but over its owner, or not whole on the owner's screen, is placed again then.
void PlaceOverOwner(QWidget& window, const QWidget* owner, bool placeNow,
                    Placement placement = Placement::centred);

// The top-left corner of window's client area centred over owner's client area.
QPoint CentredOver(const QWidget& window, const QWidget& owner);

// frame moved as little as it takes to lie inside area. A frame larger than area keeps its top-left corner
// inside it, so that its title bar stays within reach.
QRect KeptWithin(const QRect& frame, const QRect& area);

// How wide a window must be for the window manager to show caption whole in its title bar, beside the
// window's icon and buttons: room for a title font up to half again as wide as the program's.
int WidthForCaption(const QString& caption);
