#include "shell/RecordsFiles.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

#include "store/CPredictStore.h"
#include "store/HistoryCsv.h"

namespace {

// 399 records of a few dozen bytes each, with room for comments and spreadsheets' extra columns.
constexpr qint64 kLargestDrawsFile = 4 * 1024 * 1024;

}  // namespace

bool ExportRecords(const CPredictStore& store, const QString& file, QString& message) {
    const std::vector<HistoryRecord> records = store.ListedRecords();
    const std::string csv = HistoryCsv(records);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(csv.data(), static_cast<qint64>(csv.size())) < 0 ||
        !out.commit()) {
        message = QStringLiteral("无法写入文件“%1”：%2").arg(file, out.errorString());
        return false;
    }
    message = QStringLiteral("已导出 %1 条预测记录到“%2”。").arg(records.size()).arg(file);
    return true;
}

bool ReadDrawsFile(const QString& file, std::string& text, QString& error) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法读取文件“%1”：%2").arg(file, in.errorString());
        return false;
    }
    if (in.size() > kLargestDrawsFile) {
        error = QStringLiteral("文件“%1”太大，不像开奖号码文件。").arg(file);
        return false;
    }
    const QByteArray bytes = in.readAll();
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}
