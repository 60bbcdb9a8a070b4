// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatabaseSchema.h"

#include "store/CPredictStore.h"

// The tables as one piece of text, so that the empty database's script holds them word for word.
#define MORVINT_PLAYER_AND_HISTORY                \
    "CREATE TABLE player (\n"                     \
    "    name TEXT NOT NULL,\n"                   \
    "    sex TEXT NOT NULL,\n"                    \
    "    shuxiang TEXT NOT NULL,\n"               \
    "    yunqi TEXT NOT NULL\n"                   \
    ");\n"                                        \
    "CREATE TABLE data_history (\n"               \
    "    record_order INTEGER NOT NULL UNIQUE,\n" \
    "    record_date TEXT,\n"                     \
    "    open_order TEXT,\n"                      \
    "    data_1 TEXT,\n"                          \
    "    data_2 TEXT,\n"                          \
    "    data_3 TEXT,\n"                          \
    "    data_4 TEXT,\n"                          \
    "    data_5 TEXT,\n"                          \
    "    data_6 TEXT,\n"                          \
    "    data_7 TEXT,\n"                          \
    "    data_8 TEXT,\n"                          \
    "    open_data TEXT,\n"                       \
    "    is_right INTEGER DEFAULT 11\n"           \
    ");\n"
#define MORVINT_FIRST_PLAYER \
    "INSERT INTO player (name, sex, shuxiang, yunqi) VALUES ('新玩家', '先生', '龙', 'empty');\n"

const char* const kCreatePlayerAndHistory = MORVINT_PLAYER_AND_HISTORY;

const char* const kCreateArchive =
    "CREATE TABLE IF NOT EXISTS data_archive ("
    "archive_order INTEGER PRIMARY KEY, record_order INTEGER NOT NULL, record_date TEXT, open_order TEXT, "
    "data_1 TEXT, data_2 TEXT, data_3 TEXT, data_4 TEXT, data_5 TEXT, data_6 TEXT, data_7 TEXT, data_8 TEXT, "
    "open_data TEXT, is_right INTEGER, archived_at TEXT NOT NULL)";

const char* const kArchiveLayout = "PRAGMA user_version = 1";
static_assert(CPredictStore::kLayoutVersion == 1, "kArchiveLayout names the layout");

const char* const kFirstPlayer = MORVINT_FIRST_PLAYER;

const char* const kEmptyDatabaseScript =
    "BEGIN;\n" MORVINT_PLAYER_AND_HISTORY MORVINT_FIRST_PLAYER "COMMIT;\n";

#undef MORVINT_PLAYER_AND_HISTORY
#undef MORVINT_FIRST_PLAYER
