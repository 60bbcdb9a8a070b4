// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessageTexts.h"

namespace MessageFormatting {

std::string Fill(std::string_view pattern, const std::string* arguments, std::size_t count) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder =
            pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const std::size_t index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : count;
        if (index < count) {
            text += arguments[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace MessageFormatting
