// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/StoreRecords.h"

using PlayerTest = StoreFixture;
using Strings = std::vector<std::string>;

TEST_F(PlayerTest, FreshDatabaseHoldsANewPlayerWithoutFortuneCode) {
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadPlayer();
    EXPECT_EQ(store.Player().name, "新玩家");
    EXPECT_EQ(store.Player().sex, "先生");
    EXPECT_EQ(store.Player().shuxiang, "龙");
    EXPECT_EQ(store.Player().yunqi, "");  // the stored placeholder "empty"
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerTest, OnlyTheExactPlaceholderMeansNoFortuneCode) {
    for (const std::string stored : {"Empty", "empty ", "EMPTY", "12345678901234"}) {
        Sql("UPDATE player SET yunqi = '" + stored + "'");
        CPredictStore store;
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        store.LoadPlayer();
        EXPECT_EQ(store.Player().yunqi, stored);
    }
}

TEST_F(PlayerTest, FirstOfTwoRowsIsReadAndTheSavesWriteOnlyTheirOwnColumns) {
    Sql("INSERT INTO player VALUES ('second', '小姐', '鼠', 'empty')");
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadPlayer();
    EXPECT_EQ(store.Player().name, "新玩家");

    EXPECT_EQ(store.SaveFortuneCode("11223344556677"), SaveOutcome::saved);
    EXPECT_EQ(Rows("SELECT * FROM player"), (std::vector<Strings>{{"新玩家", "先生", "龙", "11223344556677"},
                                                                  {"second", "小姐", "鼠", "empty"}}));

    EXPECT_EQ(store.SavePlayer("张三", "小姐", "猪"), SaveOutcome::saved);
    EXPECT_EQ(Rows("SELECT * FROM player"), (std::vector<Strings>{{"张三", "小姐", "猪", "11223344556677"},
                                                                  {"second", "小姐", "鼠", "empty"}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerTest, EmptyTableLeavesTheProfileAndRefusesBothSaves) {
    Sql("DELETE FROM player");
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    SetProfileField(store, &PlayerProfile::name, "kept");
    store.LoadPlayer();
    EXPECT_EQ(store.Player().name, "kept");
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(store.SavePlayer("typed", "先生", "龙"), SaveOutcome::failed);
    EXPECT_EQ(store.SaveFortuneCode("11223344556677"), SaveOutcome::failed);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.Player().name, "typed");  // memory keeps what the user typed
    EXPECT_TRUE(Rows("SELECT * FROM player").empty());
}

TEST_F(PlayerTest, NullStopsTheLoadAfterTheFieldsBeforeIt) {
    Sql("CREATE TABLE p2 (name TEXT, sex TEXT, shuxiang TEXT, yunqi TEXT);"
        "INSERT INTO p2 VALUES ('李四', '小姐', NULL, 'empty');"
        "DROP TABLE player; ALTER TABLE p2 RENAME TO player;");
    CPredictStore store;
    SetProfileField(store, &PlayerProfile::shuxiang, "old");  // before the file: held, not written
    SetProfileField(store, &PlayerProfile::yunqi, "old code");
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    EXPECT_EQ(store.LoadPlayer(), LoadOutcome::failed);
    EXPECT_EQ(store.Player().name, "李四");
    EXPECT_EQ(store.Player().sex, "小姐");
    EXPECT_EQ(store.Player().shuxiang, "old");
    EXPECT_EQ(store.Player().yunqi, "old code");
}

TEST_F(PlayerTest, ColumnsAreFoundByNameInAnyOrder) {
    Sql("DROP TABLE player; CREATE TABLE player (yunqi TEXT, shuxiang TEXT, Sex TEXT, NAME TEXT);"
        "INSERT INTO player VALUES ('empty', '虎', '小姐', '王五')");
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadPlayer();
    EXPECT_EQ(
        Strings({store.Player().name, store.Player().sex, store.Player().shuxiang, store.Player().yunqi}),
        Strings({"王五", "小姐", "虎", ""}));
    EXPECT_EQ(store.SavePlayer("赵六", "小姐", "虎"), SaveOutcome::saved);
    EXPECT_EQ(Rows("SELECT * FROM player"), (std::vector<Strings>{{"empty", "虎", "小姐", "赵六"}}));
}

TEST_F(PlayerTest, MissingFileGivesTheThreeStartUpMessagesAndNoWriteCrashes) {
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase((dir / "absent.db").string()), OpenOutcome::failed);
    EXPECT_EQ(store.LoadPlayer(), LoadOutcome::failed);
    EXPECT_EQ(store.LoadHistory(), LoadOutcome::failed);
    EXPECT_FALSE(std::filesystem::exists(dir / "absent.db"));  // never created

    EXPECT_EQ(store.SavePlayer("x", "先生", "龙"), SaveOutcome::failed);
    EXPECT_EQ(store.SaveFortuneCode("11223344556677"), SaveOutcome::failed);
    EXPECT_FALSE(SaveRecord(store, COleDateTime(2009, 6, 17), "09161", {}));
    EXPECT_FALSE(EnterResult(store, 1, "123"));
    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
    EXPECT_EQ(store.HistoryCount(), 0);
}
