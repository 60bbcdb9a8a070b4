#pragma once
// Windows of the program talk to each other by posting numbered messages, so that the sender's handler has
// returned before the receiver acts on it (a page may ask to be replaced from inside its own click handler).
#include <QEvent>
#include <QObject>
#include <QtGlobal>

inline constexpr int WM_USER = 0x400;
inline constexpr int WM_NAVIGATE = WM_USER + 100;     // wParam stage, lParam code
inline constexpr int WM_NAVHOVER = WM_USER + 101;     // wParam picture kind
inline constexpr int WM_NAVFOCUS = WM_USER + 102;     // keyboard focus moved on the navigation panel
inline constexpr int WM_SHOWPICTURE = WM_USER + 103;  // wParam picture kind, lParam 0 or kShowPictureQuietly
inline constexpr int WM_OPENVIEW = WM_USER + 104;     // wParam view kind

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
