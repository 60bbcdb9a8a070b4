// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RecordsFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <utility>
#include <vector>

#include "core/Utf8Text.h"
#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "shell/RecordsWorkbook.h"
#include "shell/UserSettings.h"
#include "store/CPredictStore.h"
#include "store/HistoryCsv.h"
#include "store/RegularFile.h"

namespace {

// 399 records of a few dozen bytes each, with room for comments and spreadsheets' extra columns.
constexpr std::size_t kLargestDrawsFile = 4 * 1024 * 1024;

// What went where; with an archive, how much of it came from there.
QString ExportedText(std::size_t records, int archived, const QString& where) {
    const QString scope = archived > 0
                              ? TextOf(Messages::kExportScope)
                                    .arg(TextOf(Messages::kScopeWithArchive).arg(records).arg(archived))
                              : QString();
    return TextOf(Messages::kExported).arg(records).arg(scope, where);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The archive and the history together, oldest first: an export never leaves out what was archived.
bool RecordsToExport(const CPredictStore& store, std::vector<HistoryRecord>& records, int& archived,
                     QString& message) {
    CPredictStore::EveryRecord every = store.AllRecords();
    if (!every.archiveRead) {
        message = TextOf(Messages::kExportFailed).arg(TextOf(Messages::kArchiveNotExported));
        return false;
    }
    records = std::move(every.records);
    archived = every.archived;
    return true;
}

// Every record, the archive's included, into the file at path by replace, which puts it there whole or not
// at all; message says how many went there, or what failed.
using ReplaceWithRecords =
    std::function<FileOutcome(const std::vector<HistoryRecord>& records, int archived)>;
bool ExportToFile(const CPredictStore& store, const std::string& path, QString& message,
                  const ReplaceWithRecords& replace) {
    std::vector<HistoryRecord> records;
    int archived = 0;
    if (!RecordsToExport(store, records, archived, message)) {
        return false;
    }
    if (const QString refusal = ProtectedFileText(store.DatabasePath(), path); !refusal.isEmpty()) {
        message = TextOf(Messages::kExportFailed).arg(refusal);
        return false;
    }
    const bool hadFile = Exists(path);
    const FileOutcome outcome = replace(records, archived);
    if (!outcome.Ok()) {
        message = ExportFailureText(path, outcome, hadFile);
        return false;
    }
    message = ExportedText(records.size(), archived, QuotedFileName(path));
    return true;
}

}  // namespace

bool ExportRecords(const CPredictStore& store, const std::string& path, QString& message) {
    return ExportToFile(store, path, message, [&path](const std::vector<HistoryRecord>& records, int) {
        return ReplaceRegularFileWith(path, HistoryCsv(records));
    });
}

bool ExportWorkbook(const CPredictStore& store, const std::string& path, QString& message) {
    return ExportToFile(
        store, path, message, [&path](const std::vector<HistoryRecord>& records, int archived) {
            const StatisticsFigures figures = ComputeStatisticsFigures(records, LedgerPricesSetting());
            const WorkbookStatistics statistics{StatisticsScopeText(figures.stats.saved, archived, false),
                                                LedgerPricesText(LedgerPricesSetting()),
                                                StatisticsTables(figures), StatisticsSentence(figures)};
            return ReplaceRegularFile(path, [&](const std::string& newFile) {
                return WriteRecordsWorkbook(newFile, records, statistics);
            });
        });
}

bool ExportRecordsToStandardOutput(const CPredictStore& store, QString& message) {
    std::vector<HistoryRecord> records;
    int archived = 0;
    if (!RecordsToExport(store, records, archived, message)) {
        return false;
    }
    // A field may hold anything; on a terminal, escape sequences in it would act on the screen, so there
    // they are shown as escapes. A file or a pipe gets the records as they are stored.
    const std::string csv = HistoryCsv(records);
    const bool terminal = ::isatty(STDOUT_FILENO) != 0;
    if (const int error = WriteAll(STDOUT_FILENO, terminal ? TerminalText(csv) : csv); error != 0) {
        message = TextOf(Messages::kExportFailed)
                      .arg(TextOf(Messages::kStandardOutputFailed).arg(SystemReason(error)));
        return false;
    }
    message = ExportedText(records.size(), archived, TextOf(Messages::kStandardOutput));
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
