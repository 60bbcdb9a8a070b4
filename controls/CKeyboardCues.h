// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the user is moving about the program with the keyboard: a key that moves the focus (Tab, Shift+Tab,
// an arrow) says yes, a mouse press says no, other keys leave it as it was. The skinned buttons show their
// focus frame only to such a user, as desktops show their focus cues: focus that follows a click needs no
// frame, and neither does a Space or an Esc typed by a mouse user; focus reached with Tab, or handed out by
// the program while the user goes by the keyboard, does.
#include <QObject>

class CKeyboardCues : public QObject {
    Q_OBJECT

public:
    // Starts watching the application's input, once; later calls do nothing. Needs an application object.
    static void Install();
    // True after a focus-moving key with no mouse press since. False before any input.
    static bool KeyboardInUse();
    // Back to "no input yet" (tests start each case from there).
    static void Forget();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
