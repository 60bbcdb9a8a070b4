// Another program holds the database file locked (an exclusive transaction kept open, as the sqlite3 tool or
// a long write of another program does): the store waits for it as long as its busy timeout allows, then
// tells that lock apart from a file it cannot open or write at all, writes nothing, keeps what it loaded,
// and works again once the lock is gone. Slow by nature: every case waits out the busy timeout once.
#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DrawImport.h"
#include "tests/store/StoreFixture.h"

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
        store.OpenDatabase(dbPath);
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
    late.OpenDatabase(dbPath);
    EXPECT_FALSE(late.IsDatabaseOpen());
    EXPECT_EQ(messages, Strings{Messages::kDatabaseLocked.text});
    EXPECT_EQ(captions, Strings{Messages::kDatabaseLocked.caption});

    Unlock();
    messages.clear();
    captions.clear();
    late.OpenDatabase(dbPath);
    EXPECT_TRUE(late.IsDatabaseOpen());
    EXPECT_TRUE(messages.empty());

    late.OpenDatabase((dir / "missing.db").string());
    EXPECT_EQ(messages, Strings{Messages::kConnectFailed.text}) << "a file that is not there is no lock";
}

// The outcomes say "locked" and the store says nothing itself; the wrappers that cannot tell their callers
// say kLockedNotSaved, never kSaveFailed. Memory stays as loaded (a reload would only meet the lock again).
TEST_F(LockedFileTest, WritesToALockedFileSayLockedAndChangeNothing) {
    const TextRows before = Records();
    Lock();

    EXPECT_EQ(store.EnterDrawResult(2, "202", 1), CPredictStore::DrawWrite::locked);
    EXPECT_EQ(store.MoveRecordsToArchive({1}), CPredictStore::ArchiveWrite::locked);
    const DrawImportReport import = ImportDraws(store, "2,202\n3,303\n");
    EXPECT_EQ(import.failedLine, 1) << "the import stops at its first write";
    EXPECT_TRUE(import.locked);
    EXPECT_EQ(import.entered, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(store.AppendPrediction(COleDateTime(2009, 6, 20), "x", kCodes));
    EXPECT_EQ(messages, Strings{Messages::kLockedNotSaved.text});
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(store.history[2].open_order, "2");

    Unlock();
    EXPECT_EQ(Records(), before);
    EXPECT_EQ(store.EnterDrawResult(2, "202", 1), CPredictStore::DrawWrite::written)
        << "no transaction was left open";
    EXPECT_EQ(store.MoveRecordsToArchive({1}), CPredictStore::ArchiveWrite::archived);
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
