// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The string table of hexagram texts: eight consecutive ids per hexagram in sequence-number order,
// id = 2001 + 8 * (n - 1) + k with k = 0 the title, 1 the judgement and 2..7 the statements of lines 1..6.
#include <string_view>

inline constexpr int kFirstHexagramTextId = 2001;
inline constexpr int kLastHexagramTextId = 2512;
inline constexpr int kHexagramTextCount = kLastHexagramTextId - kFirstHexagramTextId + 1;

// The text with this id, or an empty text for an id outside the table (no error: a missing resource string
// has always read as empty).
std::string_view HexagramText(int id);
