#include "pages/RecordTexts.h"

#include <QStringList>
#include <cstddef>

#include "store/HistoryRecord.h"

namespace {

// A run longer than this is named by its first and last few records.
constexpr std::size_t kNamedInFull = 8;
constexpr std::size_t kNamedAtEachEnd = 3;

QString RecordName(const HistoryRecord& record) {
    return QStringLiteral("%1  第%2期")
        .arg(RecordDateText(record.record_date), QString::fromStdString(record.open_order));
}

}  // namespace

QString RecordDateText(const COleDateTime& date) {
    return QStringLiteral("%1-%2-%3").arg(date.GetYear()).arg(date.GetMonth()).arg(date.GetDay());
}

QString RemovalQuestion(const std::vector<const HistoryRecord*>& records) {
    QStringList lines{QStringLiteral("将删除以下%1条已开奖的记录：").arg(records.size())};
    const std::size_t count = records.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (count > kNamedInFull && i == kNamedAtEachEnd) {
            lines << QStringLiteral("……");
            i = count - kNamedAtEachEnd;
        }
        lines << RecordName(*records[i]);
    }
    lines << QStringLiteral("删除后不能恢复。确定要删除吗？");
    return lines.join(QStringLiteral("\r\n"));
}
