// SPDX-License-Identifier: GPL-3.0-or-later
// Another program holds the database file locked (an exclusive transaction kept open, as the sqlite3 tool or
// a long write of another program does): the store waits for it as long as its busy timeout allows, then
// tells that lock apart from a file it cannot open or write at all, writes nothing, keeps what it loaded,
// and works again once the lock is gone. Slow by nature: every case waits out the busy timeout once.
#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DrawImport.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/StoreRecords.h"

namespace {

using Strings = std::vector<std::string>;

const std::array<std::string, 8> kCodes{"386", "914", "907", "555", "243", "555", "659", "760"};

class LockedFileTest : public StoreFixture {
protected:
    // Records 1 .. 3, the first with its result, loaded by the store.
    void SetUp() override {
        StoreFixture::SetUp();
        AddHistoryRows(1, 3);
        Sql("UPDATE data_history SET open_data = '101', is_right = 1 WHERE record_order = 1");
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        store.LoadHistory();
        ASSERT_TRUE(messages.empty());
    }
    void Lock() {
        ASSERT_TRUE(holder.OpenExisting(dbPath));
        ASSERT_TRUE(holder.Execute("BEGIN EXCLUSIVE"));
    }
    void Unlock() { ASSERT_TRUE(holder.Execute("ROLLBACK")); }
    TextRows Records() const {
        return Rows("SELECT record_order, open_order, open_data FROM data_history ORDER BY record_order");
    }

    CPredictStore store;
    CSqliteConnection holder;  // the other program
};

TEST_F(LockedFileTest, ALockedFileIsNotSaidToBeUnopenable) {
    Lock();
    CPredictStore late;
    EXPECT_EQ(late.OpenDatabase(dbPath), OpenOutcome::locked);
    EXPECT_FALSE(late.IsDatabaseOpen());

    Unlock();
    EXPECT_EQ(late.OpenDatabase(dbPath), OpenOutcome::opened);
    EXPECT_TRUE(late.IsDatabaseOpen());

    EXPECT_EQ(late.OpenDatabase((dir / "missing.db").string()), OpenOutcome::failed)
        << "a file that is not there is no lock";
    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
}

// The outcomes say "locked" and the store says nothing itself. Memory stays as loaded (a reload would only
// meet the lock again).
TEST_F(LockedFileTest, WritesToALockedFileSayLockedAndChangeNothing) {
    const TextRows before = Records();
    Lock();

    EXPECT_EQ(store.EnterDraw(2, "202", kAfterEveryDraw).reason, DrawEntry::Reason::locked);
    EXPECT_EQ(store.ArchiveRecords({1}), ArchiveOutcome::locked);
    const DrawImportReport import = ImportDraws(store, "2,202\n3,303\n");
    EXPECT_EQ(import.failedLine, 1) << "the import stops at its first write";
    EXPECT_TRUE(import.locked);
    EXPECT_EQ(import.entered, 0);
    const COleDateTime day(2009, 6, 20);
    EXPECT_EQ(store.SavePrediction({day, "x", kCodes}, day, {COleDateTime(2009, 6, 17), 2011}),
              PredictionSave::locked);
    EXPECT_EQ(store.SavePlayer("x", "先生", "龙"), SaveOutcome::locked);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(store.Record(2).open_order, "2");

    Unlock();
    EXPECT_EQ(Records(), before);
    EXPECT_EQ(store.EnterDraw(2, "202", kAfterEveryDraw).reason, DrawEntry::Reason::written)
        << "no transaction was left open";
    EXPECT_EQ(store.ArchiveRecords({1}), ArchiveOutcome::archived);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
