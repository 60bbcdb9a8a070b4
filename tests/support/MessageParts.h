// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parts of a message of the table, for a test that sees only part of what was said: the words before its
// first placeholder left without an argument, or those after its last placeholder.
#include <string>
#include <string_view>

#include "core/MessageTexts.h"

namespace testsupport {

inline std::size_t FirstPlaceholder(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace testsupport

// The message with these arguments, up to its first placeholder that has none.
template <typename... Arguments>
std::string Opening(const MessageText& message, const Arguments&... arguments) {
    const std::string text = FormatText(message, arguments...);
    return text.substr(0, testsupport::FirstPlaceholder(text));
}

// The words after the message's last placeholder.
inline std::string Ending(const MessageText& message) {
    std::string_view rest = message.text;
    for (std::size_t at = testsupport::FirstPlaceholder(rest); at != std::string_view::npos;
         at = testsupport::FirstPlaceholder(rest)) {
        rest.remove_prefix(at + 2);
    }
    return std::string(rest);
}
