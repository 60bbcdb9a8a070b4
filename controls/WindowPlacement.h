#pragma once
// Dialogs and message boxes open centred over the window they belong to, whatever the window manager did.
//
// Under a window manager that places a new window itself (openbox does), Qt can be left believing that the
// window lies at the screen's top-left corner: the window manager frames it there first and moves the frame
// afterwards, and Qt may read the position in between. Qt then opens whatever it positions from that window
// (a calendar popup under a date field, a message box centred on its owner) at the top-left corner of the
// screen. So once the window has been framed and is about to be drawn for the first time, it is centred over
// its owner again: where Qt's idea was already right nothing moves, and where it was wrong the request puts
// Qt and the window manager back in agreement.
#include <QWidget>

// Call before the window is shown. owner: the window it belongs to (null: the active window, if another).
// placeNow: centre it at once, for a window whose size is final before it is shown (Qt centres a message box
// over its owner by itself, once it knows its size); in every case a window whose first paint finds it
// anywhere but over its owner is centred there then.
void PlaceOverOwner(QWidget& window, const QWidget* owner, bool placeNow);

// The top-left corner of window's client area centred over owner's client area.
QPoint CentredOver(const QWidget& window, const QWidget& owner);
