// SPDX-License-Identifier: GPL-3.0-or-later
// The records as CSV, read back by Python's csv module as a spreadsheet would read them: every field comes
// back as it was saved, however many commas, quotes and line breaks a hand-edited issue holds.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "store/CPredictStore.h"
#include "store/HistoryCsv.h"
#include "tests/store/StoreFixture.h"

namespace {

using HistoryCsvTest = StoreFixture;

// Runs Debian's Python on the file; each row comes back as one line of fields joined by '|'.
std::string ReadBackWithPython(const std::filesystem::path& csv) {
    const std::string command =
        "/usr/bin/python3 -c \"import csv,sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
        "    for row in csv.reader(f): print('|'.join(row).replace('\\n', '<LF>'))\" '" +
        csv.string() + "'";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, n);
        }
        EXPECT_EQ(::pclose(pipe), 0) << command;
    }
    return output;
}

TEST_F(HistoryCsvTest, ASpreadsheetReadsBackEveryFieldAsSaved) {
    AddHistoryRows(1, 3);
    Sql("UPDATE data_history SET open_order = '2009,\"161\"' WHERE record_order = 1;"
        "UPDATE data_history SET open_order = 'two' || char(10) || 'lines', open_data = '203', is_right = 3 "
        "WHERE record_order = 2;"
        "UPDATE data_history SET open_data = '999', is_right = 0 WHERE record_order = 3;");
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();

    const std::string csv = HistoryCsv(store.ListedRecords());
    const std::filesystem::path file = dir / "records.csv";
    std::ofstream(file, std::ios::binary) << csv;

    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF开奖日期,期数,预测码一,"))
        << "a byte-order mark, then the titles";
    EXPECT_NE(csv.find("\r\n2009-06-02,\"2009,\"\"161\"\"\",101,"), std::string::npos) << csv;
    EXPECT_EQ(ReadBackWithPython(file),
              "开奖日期|期数|预测码一|预测码二|预测码三|预测码四|预测码五|预测码六|预测码七|预测码八|"
              "开奖号码|预测结果\n"
              "2009-06-02|2009,\"161\"|101|102|103|104|105|106|107|108|未知|未知\n"
              "2009-06-03|two<LF>lines|201|202|203|204|205|206|207|208|203|正确\n"
              "2009-06-04|3|301|302|303|304|305|306|307|308|999|错误\n");
}

TEST(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField("2009161"), "2009161");
    EXPECT_EQ(CsvField("开奖 号码"), "开奖 号码");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("cr\rhere"), "\"cr\rhere\"");
    EXPECT_EQ(CsvField(""), "");
}

// A spreadsheet runs a field that starts like a formula; the apostrophe makes it text, and it is the only
// change.
TEST(CsvFieldTest, TextThatWouldRunAsAFormulaIsGuarded) {
    EXPECT_EQ(CsvField("=1+1"), "'=1+1");
    EXPECT_EQ(CsvField("+86"), "'+86");
    EXPECT_EQ(CsvField("-5"), "'-5");
    EXPECT_EQ(CsvField("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(CsvField("\tx"), "'\tx");
    EXPECT_EQ(CsvField("=HYPERLINK(\"x\",\"y\")"), "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"");
    EXPECT_EQ(CsvField("2009=161"), "2009=161") << "only the first character counts";
}

}  // namespace
