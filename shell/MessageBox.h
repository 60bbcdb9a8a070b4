// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program shows a message: modal, OK only. Tests install a handler that records the text and
// caption instead of opening a window.
#include <QMessageBox>
#include <QString>
#include <functional>

#include "shell/QtMessageTexts.h"

class QWidget;

using MessageBoxHandler = std::function<void(const QString& text, const QString& caption)>;

// Shows text under caption in front of owner (none: in front of the active window) and returns when OK is
// pressed. details, when given, go into the box's details area, where a long list can be read and copied
// without making the box taller than the screen. With a handler installed, the handler gets the message
// instead.
void MessageBox(const QString& text, const QString& caption, QWidget* owner,
                QMessageBox::Icon icon = QMessageBox::NoIcon, const QString& details = {});

// Shows a message of the table that names nothing, under its caption.
void MessageBox(const MessageText& message, QWidget* owner, QMessageBox::Icon icon = QMessageBox::NoIcon);

// Asks a question in front of owner with two answers, yes and 取消; 取消, the safe one, is the default. True
// when yes was chosen. (Tests answer it as any QMessageBox, through tests/support/ModalAnswer.h.)
bool AskQuestion(const QString& text, const QString& caption, const QString& yes, QWidget* owner);

// Installs a handler (an empty one restores the message box); returns the handler it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
