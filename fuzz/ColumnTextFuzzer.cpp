// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the column text of the colour list ("name,width;name,width;..."): any text, including unpaired
// surrogates and huge or signed widths, splits into columns without reading past the text, and every column
// it gives is one the text really holds.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "controls/CColorListCtrl.h"
#include "fuzz/FuzzSupport.h"

namespace {

// The first byte picks how the rest becomes a text: UTF-8 as a user would type it, or raw UTF-16 code units
// (which reach characters UTF-8 decoding never yields, such as lone surrogates).
QString TextOf(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return {};
    }
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    if (data[0] % 2 == 0) {
        return QString::fromUtf8(bytes, length);
    }
    return QString(reinterpret_cast<const QChar*>(bytes), length / 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString spec = TextOf(data, size);
    const QList<CColorListCtrl::ColumnSpec> columns = CColorListCtrl::ParseColumns(spec);

    // One column per comma at most, and each name is a run of the text without a comma in it.
    Require(columns.size() <= spec.count(u','));
    qsizetype from = 0;
    for (const CColorListCtrl::ColumnSpec& column : columns) {
        Require(!column.name.contains(u','));
        const qsizetype at = spec.indexOf(column.name + u',', from);
        Require(at >= 0);
        from = at + column.name.size() + 1;
    }
    return 0;
}
