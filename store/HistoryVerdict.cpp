// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryVerdict.h"

#include <algorithm>

bool IsPending(const HistoryRecord& record) {
    return record.is_right == kNoResultYet;
}

bool IsHit(int isRight) {
    return isRight >= 1 && isRight <= 8;
}

bool IsDrawNumber(const std::string& text) {
    return text.size() == 3 && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

int VerdictFor(const std::array<std::string, 8>& codes, const std::string& drawNumber) {
    const auto hit = std::ranges::find(codes, drawNumber);
    return hit == codes.end() ? 0 : static_cast<int>(hit - codes.begin()) + 1;
}

std::string VerdictWord(int isRight) {
    if (isRight == 0) {
        return "错误";
    }
    return IsHit(isRight) ? "正确" : kUnknownDraw;
}
