// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the import of draws with arbitrary bytes as the file, on a database of a few predictions, some due
// and some still to come: nothing may crash or read out of bounds, every refusal names a line of the file,
// the history stays within its slots, and what the import would echo of a field is safe to show.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/Utf8Text.h"
#include "fuzz/FuzzSupport.h"
#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DrawImport.h"
#include "tests/support/HistoryRowSql.h"
#include "tools/emptydb/EmptyDatabase.h"

namespace {

// Records 1 .. 4: issues 2009160 .. 2009163 on 2009-06-17 .. 20, and record 5 far in the future.
const std::string& DatabasePath() {
    static const std::string path = [] {
        const std::string file = ScratchFilePath("morvint-import");
        std::error_code ec;
        std::filesystem::remove(file, ec);
        std::string error;
        Require(WriteEmptyDatabase(file, error));
        CSqliteConnection db;
        Require(db.OpenExisting(file));
        const std::string rows = InsertHistorySql({
            {.order = 1,
             .date = "2009-06-17 10:00:00",
             .openOrder = "2009160",
             .codes = {"123", "234", "345", "456", "567", "678", "789", "890"}},
            {.order = 2,
             .date = "2009-06-18 10:00:00",
             .openOrder = "2009161",
             .codes = {"012", "123", "234", "345", "456", "567", "678", "789"}},
            {.order = 3,
             .date = "2009-06-19 10:00:00",
             .openOrder = "2009162",
             .codes = {"789", "890", "901", "012", "123", "234", "345", "456"}},
            {.order = 4,
             .date = "2009-06-20 10:00:00",
             .openOrder = "2009163",
             .codes = {"111", "222", "333", "444", "555", "666", "777", "888"}},
            {.order = 5,
             .date = "2099-06-20 10:00:00",
             .openOrder = "2099163",
             .codes = {"111", "222", "333", "444", "555", "666", "777", "888"}},
        });
        Require(db.Execute(rows.c_str()));
        return file;
    }();
    return path;
}

void RequireSafeEcho(const std::string& field) {
    const std::string shown = EchoText(field, 24);
    Require(IsValidUtf8(shown));
    for (const char c : shown) {
        Require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = DatabasePath();
    {
        CSqliteConnection db;
        Require(db.OpenExisting(path) &&
                db.Execute("UPDATE data_history SET open_data = '未知', is_right = 11"));
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        CPredictStore store;
        // The file is sound: every load reads it whole.
        store.Listen([](StoreEvent event) {
            Require(event != StoreEvent::historyUnreadable && event != StoreEvent::playerUnreadable);
        });
        static_cast<void>(store.OpenDatabase(path));
        store.LoadHistory();
        const DrawImportReport report = ImportDraws(store, bytes);
        Require(report.failedLine == 0 &&
                !report.notReady);  // no write fails here: each line goes in or is refused
        Require(report.entered >= 0 && report.entered <= 4);
        int lastLine = 0;
        for (const DrawImportRefusal& refusal : report.refused) {
            Require(refusal.line >= 1 && refusal.line >= lastLine);
            lastLine = refusal.line;
            RequireSafeEcho(refusal.field);
        }
        // Results go in strictly in list order: what went in is the first records, and nothing after them.
        Require(store.FirstPendingRecord() == report.entered + 1);
    }
    RequireSafeEcho(bytes);
    Require(IsValidUtf8(FoldFullWidth(bytes)) == IsValidUtf8(bytes));
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        Require(IsValidUtf8(TextFileToUtf8(bytes)));
    }
    return 0;
}
