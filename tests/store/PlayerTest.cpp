#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"

using PlayerTest = StoreFixture;
using Strings = std::vector<std::string>;

TEST_F(PlayerTest, FreshDatabaseHoldsANewPlayerWithoutFortuneCode) {
    CPredictStore store;
    store.OpenDatabase(dbPath);
    store.LoadPlayer();
    EXPECT_EQ(store.name, "新玩家");
    EXPECT_EQ(store.sex, "先生");
    EXPECT_EQ(store.shuxiang, "龙");
    EXPECT_EQ(store.yunqi, "");  // the stored placeholder "empty"
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerTest, OnlyTheExactPlaceholderMeansNoFortuneCode) {
    for (const std::string stored : {"Empty", "empty ", "EMPTY", "12345678901234"}) {
        Sql("UPDATE player SET yunqi = '" + stored + "'");
        CPredictStore store;
        store.OpenDatabase(dbPath);
        store.LoadPlayer();
        EXPECT_EQ(store.yunqi, stored);
    }
}

TEST_F(PlayerTest, FirstOfTwoRowsIsReadAndTheSavesWriteOnlyTheirOwnColumns) {
    Sql("INSERT INTO player VALUES ('second', '小姐', '鼠', 'empty')");
    CPredictStore store;
    store.OpenDatabase(dbPath);
    store.LoadPlayer();
    EXPECT_EQ(store.name, "新玩家");

    // A profile change that was never saved must not travel with the fortune code.
    store.name = "张三";
    store.yunqi = "11223344556677";
    store.SaveFortuneCode();
    EXPECT_EQ(Rows("SELECT * FROM player"), (std::vector<Strings>{{"新玩家", "先生", "龙", "11223344556677"},
                                                                  {"second", "小姐", "鼠", "empty"}}));

    store.sex = "小姐";
    store.shuxiang = "猪";
    store.yunqi = "not saved";
    store.SavePlayer();
    EXPECT_EQ(Rows("SELECT * FROM player"), (std::vector<Strings>{{"张三", "小姐", "猪", "11223344556677"},
                                                                  {"second", "小姐", "鼠", "empty"}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerTest, EmptyTableLeavesTheProfileAndRefusesBothSaves) {
    Sql("DELETE FROM player");
    CPredictStore store;
    store.OpenDatabase(dbPath);
    store.name = "kept";
    store.LoadPlayer();
    EXPECT_EQ(store.name, "kept");
    EXPECT_TRUE(messages.empty());

    store.SavePlayer();
    store.SaveFortuneCode();
    EXPECT_EQ(messages, (Strings{Messages::kSaveFailed.text, Messages::kSaveFailed.text}));
    EXPECT_EQ(store.name, "kept");  // memory keeps what the user typed
    EXPECT_TRUE(Rows("SELECT * FROM player").empty());
}

TEST_F(PlayerTest, NullStopsTheLoadAfterTheFieldsBeforeIt) {
    Sql("CREATE TABLE p2 (name TEXT, sex TEXT, shuxiang TEXT, yunqi TEXT);"
        "INSERT INTO p2 VALUES ('李四', '小姐', NULL, 'empty');"
        "DROP TABLE player; ALTER TABLE p2 RENAME TO player;");
    CPredictStore store;
    store.OpenDatabase(dbPath);
    store.shuxiang = "old";
    store.yunqi = "old code";
    store.LoadPlayer();
    EXPECT_EQ(messages, Strings{Messages::kPlayerLoadFailed.text});
    EXPECT_EQ(store.name, "李四");
    EXPECT_EQ(store.sex, "小姐");
    EXPECT_EQ(store.shuxiang, "old");
    EXPECT_EQ(store.yunqi, "old code");
}

TEST_F(PlayerTest, ColumnsAreFoundByNameInAnyOrder) {
    Sql("DROP TABLE player; CREATE TABLE player (yunqi TEXT, shuxiang TEXT, Sex TEXT, NAME TEXT);"
        "INSERT INTO player VALUES ('empty', '虎', '小姐', '王五')");
    CPredictStore store;
    store.OpenDatabase(dbPath);
    store.LoadPlayer();
    EXPECT_EQ(Strings({store.name, store.sex, store.shuxiang, store.yunqi}),
              Strings({"王五", "小姐", "虎", ""}));
    store.name = "赵六";
    store.SavePlayer();
    EXPECT_EQ(Rows("SELECT * FROM player"), (std::vector<Strings>{{"empty", "虎", "小姐", "赵六"}}));
}

TEST_F(PlayerTest, MissingFileGivesTheThreeStartUpMessagesAndNoWriteCrashes) {
    CPredictStore store;
    store.OpenDatabase((dir / "absent.db").string());
    store.LoadPlayer();
    store.LoadHistory();
    EXPECT_EQ(messages, (Strings{Messages::kConnectFailed.text, Messages::kPlayerLoadFailed.text,
                                 Messages::kHistoryLoadFailed.text}));
    EXPECT_FALSE(std::filesystem::exists(dir / "absent.db"));  // never created

    messages.clear();
    store.SavePlayer();
    store.SaveFortuneCode();
    EXPECT_FALSE(store.AppendPrediction(COleDateTime(2009, 6, 17), "09161", {}));
    EXPECT_FALSE(store.SetDrawResult(1, "123", 0));
    EXPECT_EQ(messages, Strings(4, Messages::kSaveFailed.text));
    EXPECT_EQ(store.historyCount, 0);
}
