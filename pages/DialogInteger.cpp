// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/DialogInteger.h"

#include <climits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool ParseDialogInteger(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || !IsDigit(text[i])) {
        return false;
    }
    // One more than INT_MAX is still an int when negative (INT_MIN); anything larger fails at once.
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i != text.size() || (!negative && magnitude > INT_MAX)) {
        return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}
