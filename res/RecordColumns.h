// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of the saved predictions, in order. The records list and the archive's list, the CSV and Excel
// exports and the art tool that paints the titles over the list all read them from here, so that a column is
// one entry. Plain C++ with nothing of the program's own, like Layout.h, so that every layer and the art tool
// can include it.
#include <array>
#include <cstddef>

namespace RecordColumns {

// What a column shows of a record; how each reader turns it into a cell is the reader's own (the list writes
// a date 2009-6-17, the CSV 2009-06-17, the spreadsheet a date cell).
enum class Value { drawDate, issue, code, drawNumber, verdict };

struct Column {
    const char* title;       // the list's column name; the title row of the exports
    const char* shortTitle;  // painted over the list, where a code's column is 49 pixels wide
    int width;               // in the list, in pixels
    Value value;
    int code;  // Value::code: which of the eight codes, 1 .. 8
};

inline constexpr std::array<Column, 12> kColumns{{
    {"开奖日期", "开奖日期", 85, Value::drawDate, 0},
    {"期数", "期数", 68, Value::issue, 0},
    {"预测码一", "码一", 49, Value::code, 1},
    {"预测码二", "码二", 49, Value::code, 2},
    {"预测码三", "码三", 49, Value::code, 3},
    {"预测码四", "码四", 49, Value::code, 4},
    {"预测码五", "码五", 49, Value::code, 5},
    {"预测码六", "码六", 49, Value::code, 6},
    {"预测码七", "码七", 49, Value::code, 7},
    {"预测码八", "码八", 49, Value::code, 8},
    {"开奖号码", "开奖号码", 58, Value::drawNumber, 0},
    {"预测结果", "结果", 61, Value::verdict, 0},
}};

// The column of code k (1 .. 8), where a hit on it is coloured, and the column of the verdict.
constexpr std::size_t CodeColumn(int code) {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (kColumns[i].value == Value::code && kColumns[i].code == code) {
            return i;
        }
    }
    return kColumns.size();
}
constexpr std::size_t ColumnOf(Value value) {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (kColumns[i].value == value) {
            return i;
        }
    }
    return kColumns.size();
}

// The colours of a verdict's text: the records list paints its cells in them, and the spreadsheet too.
struct Rgb {
    int r;
    int g;
    int b;
};
inline constexpr Rgb kHitCodeColour{0, 200, 100};    // the code that was hit
inline constexpr Rgb kHitVerdictColour{0, 128, 80};  // 正确
inline constexpr Rgb kMissColour{200, 20, 20};       // 错误

static_assert(CodeColumn(1) + 7 == CodeColumn(8), "the eight codes stand side by side");

}  // namespace RecordColumns
