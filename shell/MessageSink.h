// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the layers below the user interface show a message. The core and the store never open a window: they
// hand (text, caption) to the sink, which the program turns into a modal message box and a test into a
// recording.
#include <functional>
#include <string>

#include "core/MessageTexts.h"

using MessageSinkFunction = std::function<void(const std::string& text, const std::string& caption)>;

// Shows one message through the installed sink (standard error when none is installed).
void ShowMessage(const std::string& text, const std::string& caption = kAppTitle);
// Shows a message of the table that names nothing, under its caption.
void ShowMessage(const MessageText& message);

// Installs the sink; returns the one it replaces so a caller can put it back.
MessageSinkFunction SetMessageSink(MessageSinkFunction sink);
