// SPDX-License-Identifier: GPL-3.0-or-later
// A backup that another program is committing to at that moment is neither read half-done nor called "not a
// database": the restore waits for it as every read of the program does, then says the file is being written
// and changes nothing.
#include <filesystem>

#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseRestore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/TestDatabase.h"

namespace {

class RestoreBusyTest : public StoreFixture {};

TEST_F(RestoreBusyTest, ABackupBeingWrittenIsRefusedAsBusy) {
    AddHistoryRows(1, 3);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    const std::string backup = (dir / "backup.db").string();
    ASSERT_TRUE(store.BackupTo(backup).Ok());
    Sql("DELETE FROM data_history");
    store.LoadHistory();

    CSqliteConnection writer;
    ASSERT_TRUE(writer.OpenExisting(backup));
    // The lock a writer holds while it writes the file itself: no reader may look in until it is done.
    ASSERT_TRUE(writer.Execute("BEGIN EXCLUSIVE; UPDATE player SET name = '写到一半'"));

    EXPECT_EQ(CheckBackup(backup, CPredictStore::kLayoutVersion, dbPath).refusal, BackupRefusal::busy);
    EXPECT_EQ(store.RestoreFrom(backup).check.refusal, BackupRefusal::busy);
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (TextRows{{"0"}}));

    ASSERT_TRUE(writer.Execute("COMMIT"));
    ASSERT_TRUE(store.RestoreFrom(backup));
    EXPECT_EQ(store.HistoryCount(), 3);
    EXPECT_EQ(store.Player().name, "写到一半");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
