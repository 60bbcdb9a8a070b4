// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/RecordTexts.h"

#include <QStringList>
#include <cstddef>

#include "controls/CColorListCtrl.h"
#include "res/RecordColumns.h"
#include "shell/QtMessageTexts.h"
#include "store/HistoryRecord.h"
#include "store/HistoryVerdict.h"
#include "store/RecordColumnText.h"

namespace {

// A run longer than this is named by its first and last few records.
constexpr std::size_t kNamedInFull = 8;
constexpr std::size_t kNamedAtEachEnd = 3;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF Colour(RecordColumns::Rgb rgb) {
    return RGB(rgb.r, rgb.g, rgb.b);
}
constexpr COLORREF kMissText = Colour(RecordColumns::kMissColour);
constexpr COLORREF kHitCodeText = Colour(RecordColumns::kHitCodeColour);
constexpr COLORREF kHitVerdictText = Colour(RecordColumns::kHitVerdictColour);

QString RecordName(const HistoryRecord& record) {
    return TextOf(Messages::kArchiveQuestionRecord)
        .arg(RecordDateText(record.record_date), QString::fromStdString(record.open_order));
}

}  // namespace

QString RecordDateText(const COleDateTime& date) {
    return QStringLiteral("%1-%2-%3").arg(date.GetYear()).arg(date.GetMonth()).arg(date.GetDay());
}

QString RecordColumnsSpec() {
    QStringList columns;
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        columns << QStringLiteral("%1,%2").arg(QString::fromUtf8(column.title)).arg(column.width);
    }
    return columns.join(u';');
}

QStringList RecordRowTexts(const HistoryRecord& record) {
    QStringList texts;
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        texts << (column.value == RecordColumns::Value::drawDate
                      ? RecordDateText(record.record_date)
                      : QString::fromStdString(RecordColumnText(record, column)));
    }
    return texts;
}

void ColourRecordRow(CColorListCtrl& list, int row, int isRight) {
    for (int column = 0; column < list.ColumnCount(); ++column) {
        COLORREF text = 0;
        COLORREF back = 0;
        if (RecordCellColours(isRight, column, text, back)) {
            list.SetCellColours(row, column, text, back);
        }
    }
    if (IsHit(isRight)) {
        QStringList texts;
        for (int column = 0; column < list.ColumnCount(); ++column) {
            texts << list.CellText(row, column);
        }
        list.SetRowDescription(row, RecordRowDescription(isRight, texts));
    }
}

bool RecordCellColours(int isRight, int column, COLORREF& text, COLORREF& back) {
    const auto verdict = static_cast<int>(RecordColumns::ColumnOf(RecordColumns::Value::verdict));
    back = kWhite;
    if (isRight == 0 && column == verdict) {
        text = kMissText;
        return true;
    }
    if (IsHit(isRight) && column == verdict) {
        text = kHitVerdictText;
        return true;
    }
    if (IsHit(isRight) && column == static_cast<int>(RecordColumns::CodeColumn(isRight))) {
        text = kHitCodeText;
        return true;
    }
    return false;
}

QString RecordRowDescription(int isRight, const QStringList& texts) {
    if (!IsHit(isRight)) {
        return {};
    }
    // The green of the hit code is too pale on white to be the only sign of it.
    const std::size_t hit = RecordColumns::CodeColumn(isRight);
    return QStringLiteral("命中：%1 %2")
        .arg(QString::fromUtf8(RecordColumns::kColumns[hit].title), texts.value(static_cast<qsizetype>(hit)));
}

QString ArchiveQuestion(const std::vector<const HistoryRecord*>& records) {
    QStringList lines{TextOf(Messages::kArchiveQuestion).arg(records.size())};
    const std::size_t count = records.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (count > kNamedInFull && i == kNamedAtEachEnd) {
            lines << TextOf(Messages::kArchiveQuestionGap);
            i = count - kNamedAtEachEnd;
        }
        lines << RecordName(*records[i]);
    }
    lines << TextOf(Messages::kArchiveQuestionEnd).arg(TextOf(Messages::kArchiveLosesNothing));
    return lines.join(QStringLiteral("\r\n"));
}
