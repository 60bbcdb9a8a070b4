// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The database file as the tests see it from outside: a fresh one made as a new installation gets it, SQL run
// on it and rows read back from it as another program would, with no store in between.
#include <string>
#include <vector>

using TextRows = std::vector<std::vector<std::string>>;

// Writes a fresh, empty "morvint.db" (both tables, one new player) at path; fails the test and returns false
// if it cannot.
bool WriteFreshDatabase(const std::string& path);

// Runs sql on the file; fails the test if the file does not open or the SQL does not work.
void RunSql(const std::string& path, const std::string& sql);

// Every row of a query on the file, each column as text ("NULL" for a NULL); fails the test if the file does
// not open or the query does not compile.
TextRows RowsAsText(const std::string& path, const std::string& sql);

// Every row of data_history in record order, all its columns as text: record_order, record_date, open_order,
// data_1 .. data_8, open_data, is_right.
TextRows HistoryRows(const std::string& path);
