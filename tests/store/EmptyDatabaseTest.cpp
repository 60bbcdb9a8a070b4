// SPDX-License-Identifier: GPL-3.0-or-later
// The empty-database tool, run the way the build runs it.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"

using EmptyDatabaseTool = StoreFixture;

namespace {

int RunTool(const std::string& arguments) {
    const int status = std::system((std::string("'") + MORVINT_EMPTYDB_TOOL + "' " + arguments).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST_F(EmptyDatabaseTool, NeverOverwritesAUsersFile) {
    AddHistoryRows(1, 5);
    const std::string before = ReadBytes(dbPath);
    EXPECT_EQ(RunTool("'" + dbPath + "'"), 1);
    EXPECT_EQ(RunTool("--keep-existing '" + dbPath + "'"), 0);
    EXPECT_EQ(ReadBytes(dbPath), before);

    std::ofstream(dir / "garbage.db") << "not a database";
    EXPECT_EQ(RunTool("'" + (dir / "garbage.db").string() + "'"), 1);
    EXPECT_EQ(ReadBytes(dir / "garbage.db"), "not a database");
}

TEST_F(EmptyDatabaseTool, WritesADatabaseTheStoreOpensCleanly) {
    const std::filesystem::path fresh = dir / "fresh.db";
    ASSERT_EQ(RunTool("--keep-existing '" + fresh.string() + "'"), 0);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(fresh.string()), OpenOutcome::opened);
    store.LoadPlayer();
    store.LoadHistory();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.Player().name, "新玩家");
    EXPECT_EQ(store.HistoryCount(), 0);
    // Only the database itself is left: no building file, no journal.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
}
