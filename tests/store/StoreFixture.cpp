#include "tests/store/StoreFixture.h"

#include <cstdlib>

#include "tests/support/TestDatabase.h"

void StoreFixture::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvint-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    dbPath = (dir / "morvint.db").string();
    ASSERT_TRUE(WriteFreshDatabase(dbPath));
    previousSink = SetMessageSink([this](const std::string& text, const std::string& caption) {
        messages.push_back(text);
        captions.push_back(caption);
    });
}

void StoreFixture::TearDown() {
    SetMessageSink(previousSink);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const bool dayTaken = messages[i] == Messages::kDayTaken.text;
        EXPECT_EQ(captions[i], dayTaken ? Messages::kDayTaken.caption : kAppTitle) << messages[i];
    }
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir, ec);
}

void StoreFixture::Sql(const std::string& sql) const {
    RunSql(dbPath, sql);
}

std::vector<std::vector<std::string>> StoreFixture::Rows(const std::string& sql) const {
    return RowsAsText(dbPath, sql);
}

void StoreFixture::AddHistoryRows(int from, int to) const {
    std::string sql = "BEGIN;";
    for (int i = from; i <= to; ++i) {
        const std::string n = std::to_string(i);
        sql +=
            "INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, "
            "data_4, "
            "data_5, data_6, data_7, data_8, open_data) VALUES (" +
            n + ", '2009-06-" + (i % 28 + 1 < 10 ? "0" : "") + std::to_string(i % 28 + 1) + " 10:30:00', '" +
            n + "', '" + n + "01', '" + n + "02', '" + n + "03', '" + n + "04', '" + n + "05', '" + n +
            "06', '" + n + "07', '" + n + "08', '未知');";
    }
    Sql(sql + "COMMIT;");
}
