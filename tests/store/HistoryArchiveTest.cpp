// SPDX-License-Identifier: GPL-3.0-or-later
// Making room in the history: records that have their draw result move into the archive and the others are
// numbered again from 1, in one transaction that either happens whole or leaves the file exactly as it was.
// Nothing is ever deleted: a history filled and archived again and again keeps every record.
#include <fstream>
#include <iterator>

#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/StoreRecords.h"

namespace {

// The reads of the archive, each into the caller's variables, true when the archive could be read.
bool LoadArchiveInto(const CPredictStore& store, std::vector<ArchivedRecord>& records) {
    const std::optional<std::vector<ArchivedRecord>> read = store.LoadArchive();
    records = read.value_or(std::vector<ArchivedRecord>{});
    return read.has_value();
}

bool AllRecordsInto(const CPredictStore& store, std::vector<HistoryRecord>& records, int& archived) {
    CPredictStore::EveryRecord every = store.AllRecords();
    records = std::move(every.records);
    archived = every.archived;
    return every.archiveRead;
}

bool SpanInto(const CPredictStore& store, ArchiveSpan& span) {
    const std::optional<ArchiveSpan> read = store.ReadArchiveSpan();
    span = read.value_or(ArchiveSpan{});
    return read.has_value();
}

bool PageInto(const CPredictStore& store, std::int64_t fromOrder, int skip, int count,
              std::vector<ArchivedRecord>& records) {
    const std::optional<std::vector<ArchivedRecord>> read = store.LoadArchivePage(fromOrder, skip, count);
    records = read.value_or(std::vector<ArchivedRecord>{});
    return read.has_value();
}

}  // namespace

namespace {

using Strings = std::vector<std::string>;

class HistoryArchiveTest : public StoreFixture {
protected:
    // Records 1 .. 6, the first three with their results.
    void SetUp() override {
        StoreFixture::SetUp();
        AddHistoryRows(1, 6);
        Sql("UPDATE data_history SET is_right = record_order - 1, open_data = record_order || '02' "
            "WHERE record_order <= 3");
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        store.LoadHistory();
    }
    std::vector<Strings> OrdersAndIssues() const {
        return Rows("SELECT record_order, open_order FROM data_history ORDER BY record_order");
    }
    std::string FileBytes() const {
        std::ifstream file(dbPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    CPredictStore store;
};

TEST_F(HistoryArchiveTest, ArchivedRecordsMoveWithEveryColumnAndTheRestAreNumberedFromOne) {
    const FixedClock clock(2009, 7, 1, 21, 5, 9);
    ASSERT_EQ(store.ArchiveRecords({1, 2}), ArchiveOutcome::archived);

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(OrdersAndIssues(), (std::vector<Strings>{{"1", "3"}, {"2", "4"}, {"3", "5"}, {"4", "6"}}));
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history WHERE record_order = 1"),
              (std::vector<Strings>{{"302", "2"}}));
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(store.Record(1).open_order, "3");
    EXPECT_EQ(store.FirstPendingRecord(), 2);
    EXPECT_EQ(store.NextRecordOrder(), 5);

    EXPECT_EQ(Rows("SELECT archive_order, record_order, record_date, open_order, data_1, data_8, open_data, "
                   "is_right, archived_at FROM data_archive ORDER BY archive_order"),
              (std::vector<Strings>{
                  {"1", "1", "2009-06-02 10:30:00", "1", "101", "108", "102", "0", "2009-07-01 21:05:09"},
                  {"2", "2", "2009-06-03 10:30:00", "2", "201", "208", "202", "1", "2009-07-01 21:05:09"}}));
    EXPECT_EQ(Rows("PRAGMA user_version"), (std::vector<Strings>{{"1"}}));
    std::vector<ArchivedRecord> archive;
    ASSERT_TRUE(LoadArchiveInto(store, archive));
    ASSERT_EQ(archive.size(), 2u);
    EXPECT_EQ(archive[1].record.open_data, "202");
    EXPECT_EQ(archive[1].record.is_right, 1);
    EXPECT_EQ(archive[1].archiveOrder, 2);
}

// 399 records, archived three times as a daily player would (filling the history in between): every record
// is still there, the archive in the order it was archived, the history numbered from 1.
TEST_F(HistoryArchiveTest, AHistoryFilledAndArchivedThreeTimesKeepsEveryRecord) {
    Sql("DELETE FROM data_history");
    int saved = 0;
    for (int round = 0; round < 3; ++round) {
        store.LoadHistory();
        while (!store.IsHistoryFull()) {
            ++saved;
            const COleDateTime day = COleDateTime::FromOleDate(COleDateTime(2010, 1, 1).GetOleDate() + saved);
            ASSERT_TRUE(
                SaveRecord(store, day, std::to_string(saved), {"1", "2", "3", "4", "5", "6", "7", "8"}));
        }
        Sql("UPDATE data_history SET open_data = '000', is_right = 0");
        store.LoadHistory();
        ASSERT_EQ(store.ArchiveRecords(store.OldestWithResult(300)), ArchiveOutcome::archived);
    }
    std::vector<HistoryRecord> all;
    int archived = 0;
    ASSERT_TRUE(AllRecordsInto(store, all, archived));
    EXPECT_EQ(archived, 900);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(saved));
    for (int i = 0; i < saved; ++i) {
        EXPECT_EQ(all[static_cast<std::size_t>(i)].open_order, std::to_string(i + 1))
            << "oldest first, none lost";
    }
    EXPECT_EQ(store.RecordSlots().size(), 99u);
    EXPECT_TRUE(messages.empty());
}

// A file that never archived reads as an empty archive, even one that cannot be written.
TEST_F(HistoryArchiveTest, AFileWithoutAnArchiveReadsAsAnEmptyOne) {
    std::vector<ArchivedRecord> archive{ArchivedRecord{}};
    EXPECT_TRUE(LoadArchiveInto(store, archive));
    EXPECT_TRUE(archive.empty());
    std::vector<HistoryRecord> all;
    int archived = -1;
    EXPECT_TRUE(AllRecordsInto(store, all, archived));
    EXPECT_EQ(archived, 0);
    EXPECT_EQ(all.size(), 6u);
    EXPECT_EQ(Rows("SELECT count(*) FROM sqlite_master WHERE name = 'data_archive'"),
              (std::vector<Strings>{{"0"}}))
        << "reading makes no table";
}

// The view of the archive reads it a page at a time, newest first: by number from any record down, or by
// place below one when the numbers have gaps; its extent comes in one read. Without an archive all are
// empty.
TEST_F(HistoryArchiveTest, ThePagesOfTheArchiveComeNewestFirstByNumberOrByPlace) {
    ArchiveSpan span{7, 7, 7};
    std::vector<ArchivedRecord> page{ArchivedRecord{}};
    EXPECT_TRUE(SpanInto(store, span));
    EXPECT_EQ(span.count, 0);
    EXPECT_EQ(span.newest, 0);
    EXPECT_TRUE(PageInto(store, 10, 0, 5, page));
    EXPECT_TRUE(page.empty());

    ASSERT_EQ(store.ArchiveRecords({1, 2, 3}), ArchiveOutcome::archived);
    Sql("UPDATE data_archive SET archive_order = archive_order * 10");  // numbers 10, 20, 30
    const auto issues = [](const std::vector<ArchivedRecord>& records) {
        Strings named;
        for (const ArchivedRecord& archived : records) {
            named.push_back(archived.record.open_order + "@" + std::to_string(archived.archiveOrder));
        }
        return named;
    };
    ASSERT_TRUE(SpanInto(store, span));
    EXPECT_EQ(span.count, 3);
    EXPECT_EQ(span.newest, 30);
    EXPECT_EQ(span.oldest, 10);
    EXPECT_EQ(store.ArchiveCount(), 3);
    ASSERT_TRUE(PageInto(store, 30, 0, 2, page));
    EXPECT_EQ(issues(page), (Strings{"3@30", "2@20"}));
    ASSERT_TRUE(PageInto(store, 25, 0, 5, page));
    EXPECT_EQ(issues(page), (Strings{"2@20", "1@10"})) << "by number: from the record numbered 25 or lower";
    ASSERT_TRUE(PageInto(store, 30, 2, 5, page));
    EXPECT_EQ(issues(page), (Strings{"1@10"})) << "by place: two below the newest";
    ASSERT_TRUE(PageInto(store, 30, 3, 5, page));
    EXPECT_TRUE(page.empty());

    Sql("UPDATE data_archive SET is_right = 'hit' WHERE archive_order = 20");
    EXPECT_FALSE(PageInto(store, 30, 0, 5, page)) << "a row that cannot be read";
    std::vector<HistoryRecord> all;
    int archived = 0;
    EXPECT_FALSE(AllRecordsInto(store, all, archived));
    EXPECT_EQ(archived, 1) << "only the records read before the one that failed";
    EXPECT_EQ(all.size(), 4u) << "the history still comes";
}

// Renumbering closes a gap left by hand as well.
TEST_F(HistoryArchiveTest, RenumberingClosesAGap) {
    Sql("DELETE FROM data_history WHERE record_order = 4");
    store.LoadHistory();
    ASSERT_EQ(store.ArchiveRecords({1}), ArchiveOutcome::archived);
    EXPECT_EQ(OrdersAndIssues(), (std::vector<Strings>{{"1", "2"}, {"2", "3"}, {"3", "5"}, {"4", "6"}}));
}

// A record without its result, or one not in the history, is never archived: nothing is.
TEST_F(HistoryArchiveTest, ARecordWithoutItsResultOrNotThereRemovesNothing) {
    const std::vector<Strings> before = OrdersAndIssues();
    EXPECT_EQ(store.ArchiveRecords({1, 4}), ArchiveOutcome::failed);
    EXPECT_EQ(store.ArchiveRecords({1, 7}), ArchiveOutcome::failed);
    EXPECT_EQ(store.ArchiveRecords({1, 1}), ArchiveOutcome::failed);
    EXPECT_EQ(OrdersAndIssues(), before);
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// The disk fails on the renumbering of record 5, after two rows were archived, the archive made and two rows
// renumbered: the transaction is rolled back and the file is the same, byte for byte, without an archive.
TEST_F(HistoryArchiveTest, AFailureInTheMiddleLeavesTheFileAsItWas) {
    Sql("CREATE TRIGGER fail_on_five BEFORE UPDATE OF record_order ON data_history WHEN old.record_order = 5 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    const std::string before = FileBytes();
    ASSERT_FALSE(before.empty());

    EXPECT_EQ(store.ArchiveRecords({1, 2}), ArchiveOutcome::failed);

    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
    EXPECT_TRUE(FileBytes() == before) << "the file changed";
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(store.Record(1).open_order, "1");
    EXPECT_EQ(Rows("SELECT count(*) FROM sqlite_master WHERE name = 'data_archive'"),
              (std::vector<Strings>{{"0"}}));

    Sql("DROP TRIGGER fail_on_five");
    EXPECT_EQ(store.ArchiveRecords({1, 2}), ArchiveOutcome::archived)
        << "the connection is usable again: no transaction was left open";
}

}  // namespace
