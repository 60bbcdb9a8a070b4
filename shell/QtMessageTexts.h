// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's messages (core/MessageTexts.h) as Qt strings. QString::arg fills in the %1, %2 … of a text.
#include <QString>

#include "core/MessageTexts.h"

inline QString TextOf(const MessageText& message) {
    return QString::fromUtf8(message.text);
}

inline QString CaptionOf(const MessageText& message) {
    return QString::fromUtf8(message.caption);
}
