// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value of one column of one row, whatever type the file holds there, and its conversions to what a
// record field needs. A column of an unexpected type converts where the value can be read sensibly (an
// integer where text is expected gives its decimal digits) and fails otherwise (NULL, binary data, text that
// is not a number or not a date); a failed conversion fails the load that asked for it.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/COleDateTime.h"

class CColumnValue {
public:
    struct Blob {};

    CColumnValue() = default;  // NULL
    explicit CColumnValue(std::int64_t integer) : value(integer) {}
    explicit CColumnValue(double real) : value(real) {}
    explicit CColumnValue(std::string text) : value(std::move(text)) {}
    explicit CColumnValue(Blob blob) : value(blob) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(value); }
    // The type the file stored, for a check that takes only what the program itself writes.
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(value); }
    bool IsText() const { return std::holds_alternative<std::string>(value); }

    // Text unchanged; an integer as decimal digits; a real as up to 15 significant digits.
    bool ToText(std::string& out) const;
    // The low 16 bits of the whole number, as a signed value (how the program has always read its integer
    // columns). Reals and numeric texts are rounded to the nearest whole number, halves to even.
    bool ToInt16(int& out) const;
    // Only the date text "YYYY-MM-DD HH:MM:SS" with a valid calendar date and time is a date.
    bool ToDate(COleDateTime& out) const;
    // The whole number, with the same rounding as ToInt16 but all 64 bits kept.
    bool ToInteger(std::int64_t& out) const;

    // The text a date is stored as; empty for an invalid date, which cannot be stored.
    static std::string FormatDate(const COleDateTime& date);
    static bool ParseDate(std::string_view text, COleDateTime& out);

private:
    std::variant<std::monostate, std::int64_t, double, std::string, Blob> value;
};
