#include "shell/RecordsFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "shell/FileErrors.h"
#include "store/CPredictStore.h"
#include "store/HistoryCsv.h"
#include "store/RegularFile.h"

namespace {

// 399 records of a few dozen bytes each, with room for comments and spreadsheets' extra columns.
constexpr std::size_t kLargestDrawsFile = 4 * 1024 * 1024;

QString ExportedText(std::size_t records, const QString& where) {
    return QStringLiteral("已导出 %1 条预测记录到%2。").arg(records).arg(where);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

bool ExportRecords(const CPredictStore& store, const std::string& path, QString& message) {
    const std::vector<HistoryRecord> records = store.ListedRecords();
    const bool hadFile = Exists(path);
    const FileOutcome outcome = ReplaceRegularFileWith(path, HistoryCsv(records));
    if (!outcome.Ok()) {
        message = ExportFailureText(path, outcome, hadFile);
        return false;
    }
    message = ExportedText(records.size(), QuotedFileName(path));
    return true;
}

bool ExportRecordsToStandardOutput(const CPredictStore& store, QString& message) {
    const std::vector<HistoryRecord> records = store.ListedRecords();
    if (const int error = WriteAll(STDOUT_FILENO, HistoryCsv(records)); error != 0) {
        message = QStringLiteral("导出失败：无法写入标准输出：%1。").arg(SystemReason(error));
        return false;
    }
    message = ExportedText(records.size(), QStringLiteral("标准输出"));
    return true;
}

bool ReadDrawsFile(const std::string& path, std::string& bytes, QString& error) {
    const FileOutcome outcome = ReadRegularFile(path, kLargestDrawsFile, bytes);
    if (!outcome.Ok()) {
        error = ReadFailureText(path, outcome);
        bytes.clear();
        return false;
    }
    return true;
}
