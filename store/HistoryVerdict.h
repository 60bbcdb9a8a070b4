// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules that judge a saved prediction against its draw (whether it holds a result at all is
// HistoryRecord::HasDrawResult). The records page, the store, the statistics, the export and the draw import
// all read a record through these, so they can never disagree about it.
#include <array>
#include <string>

#include "store/HistoryRecord.h"

// The is_right of a record that still waits for its draw result; its open_data then reads "未知".
inline constexpr int kNoResultYet = 11;
inline constexpr const char* kUnknownDraw = "未知";

// Waits for its draw result: exactly the mark a new record is saved with.
bool IsPending(const HistoryRecord& record);
// Hit by one of its eight codes (is_right 1 .. 8).
bool IsHit(int isRight);

// A draw number as the records page takes it: exactly three digits 0 .. 9.
bool IsDrawNumber(const std::string& text);

// The is_right a draw gives these codes: the first code, 1 .. 8, equal to it digit for digit, else 0.
int VerdictFor(const std::array<std::string, 8>& codes, const std::string& drawNumber);

// The word the records list shows for is_right: "正确", "错误", or "未知" for anything else.
std::string VerdictWord(int isRight);
