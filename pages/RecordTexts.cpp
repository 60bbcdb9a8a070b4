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
    const int verdict = static_cast<int>(RecordColumns::ColumnOf(RecordColumns::Value::verdict));
    if (isRight == 0) {
        list.SetCellColours(row, verdict, kMissText, kWhite);
    } else if (IsHit(isRight)) {
        const std::size_t hit = RecordColumns::CodeColumn(isRight);
        list.SetCellColours(row, static_cast<int>(hit), kHitCodeText, kWhite);
        list.SetCellColours(row, verdict, kHitVerdictText, kWhite);
        // The green of the hit code is too pale on white to be the only sign of it.
        list.SetRowDescription(row, QStringLiteral("命中：%1 %2")
                                        .arg(QString::fromUtf8(RecordColumns::kColumns[hit].title),
                                             list.CellText(row, static_cast<int>(hit))));
    }
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
