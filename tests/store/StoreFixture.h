// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every store test works on its own fresh database in its own temporary directory, and reads and changes the
// file directly (as another program would) to set up and check cases. Any message shown during a test fails
// it: the store returns what happened and leaves the words to its callers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/MessageSink.h"
#include "store/CPredictStore.h"
#include "tests/support/CoreGlobalsScope.h"
#include "tests/support/TestDatabase.h"

class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs SQL on the file outside the store; fails the test if it does not work.
    void Sql(const std::string& sql) const { RunSql(dbPath, sql); }
    // Every row of a query, each column as text ("NULL" for a NULL).
    TextRows Rows(const std::string& sql) const { return RowsAsText(dbPath, sql); }
    // Adds rows record_order = from .. to with date 2009-06-<order % 28 + 1>, codes "i01".."i08" and no
    // result.
    void AddHistoryRows(int from, int to) const;
    // Records 1 .. 5, the first three with their result (a miss), opened in store, and records 1 and 2
    // archived: a database with both a history and an archive, as the backup and restore tests start from.
    void OpenWithHistoryAndArchive(CPredictStore& store) const;

    std::filesystem::path dir;
    std::string dbPath;                 // a fresh empty database in dir
    std::vector<std::string> messages;  // the texts shown through the message sink, in order
    std::vector<std::string> captions;  // and their captions

private:
    CoreGlobalsScope globals;
};
