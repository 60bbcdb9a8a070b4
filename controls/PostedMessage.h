// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows of the program talk to each other by posting numbered messages, so that the sender's handler has
// returned before the receiver acts on it (a page may ask to be replaced from inside its own click handler).
#include <QEvent>
#include <QObject>
#include <QtGlobal>

// The first number of the messages a program defines for itself; its own come after it.
inline constexpr int kUserMessageBase = 0x400;
// wParam stage, lParam code
inline constexpr int WM_NAVIGATE = kUserMessageBase + 100;
// wParam picture kind
inline constexpr int WM_NAVHOVER = kUserMessageBase + 101;
// Keyboard focus moved on the navigation panel.
inline constexpr int kNavFocusMessage = kUserMessageBase + 102;
// wParam picture kind, lParam 0 or kShowPictureQuietly
inline constexpr int WM_SHOWPICTURE = kUserMessageBase + 103;
// wParam view kind
inline constexpr int WM_OPENVIEW = kUserMessageBase + 104;

// lParam of WM_SHOWPICTURE for a picture that follows the keyboard focus: shown without the chime.
inline constexpr qintptr kShowPictureQuietly = 1;

// One posted message: its number and its two parameters. Receivers override QObject::event() and look for
// CPostedMessage::Type().
class CPostedMessage : public QEvent {
public:
    CPostedMessage(int msg, qintptr w, qintptr l);

    static QEvent::Type Type();

    int message;
    qintptr wParam;
    qintptr lParam;
};

// Queues the message for target; it is delivered from the event loop, never from inside this call.
// A null target drops the message, as posting to a window that does not exist does.
void PostMessageTo(QObject* target, int message, qintptr wParam, qintptr lParam);
