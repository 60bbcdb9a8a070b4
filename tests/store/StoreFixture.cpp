// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/store/StoreFixture.h"

#include <cstdlib>

#include "tests/support/HistoryRowSql.h"

void StoreFixture::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvint-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    dbPath = (dir / "morvint.db").string();
    ASSERT_TRUE(WriteFreshDatabase(dbPath));
    SetMessageSink([this](const std::string& text, const std::string& caption) {
        messages.push_back(text);
        captions.push_back(caption);
    });
}

void StoreFixture::TearDown() {
    EXPECT_TRUE(messages.empty()) << "the store returns what happened and never shows a message: "
                                  << messages.front();
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir, ec);
}

void StoreFixture::AddHistoryRows(int from, int to) const {
    std::vector<HistoryRowSql> rows;
    for (int i = from; i <= to; ++i) {
        const std::string n = std::to_string(i);
        const int day = i % 28 + 1;
        HistoryRowSql& row = rows.emplace_back();
        row.order = i;
        row.date = std::string("2009-06-") + (day < 10 ? "0" : "") + std::to_string(day) + " 10:30:00";
        row.openOrder = n;
        for (std::size_t k = 0; k < row.codes.size(); ++k) {
            row.codes[k] = n + "0" + std::to_string(k + 1);
        }
    }
    Sql(InsertHistorySql(rows));
}

void StoreFixture::OpenWithHistoryAndArchive(CPredictStore& store) const {
    AddHistoryRows(1, 5);
    Sql("UPDATE data_history SET open_data = '000', is_right = 0 WHERE record_order <= 3");
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadPlayer();
    store.LoadHistory();
    ASSERT_EQ(store.ArchiveRecords({1, 2}), ArchiveOutcome::archived);
}
