#include "tools/emptydb/EmptyDatabase.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "store/CSqliteConnection.h"

// record_order is unique so that two running copies of the program cannot both save record N: the second one
// fails and reloads instead of hiding a prediction behind a duplicate. is_right defaults to 11, "no result
// yet", which a new row gets because saving a prediction does not write it.
const char* const kEmptyDatabaseScript = R"sql(
BEGIN;
CREATE TABLE player (
    name TEXT NOT NULL,
    sex TEXT NOT NULL,
    shuxiang TEXT NOT NULL,
    yunqi TEXT NOT NULL
);
CREATE TABLE data_history (
    record_order INTEGER NOT NULL UNIQUE,
    record_date TEXT,
    open_order TEXT,
    data_1 TEXT,
    data_2 TEXT,
    data_3 TEXT,
    data_4 TEXT,
    data_5 TEXT,
    data_6 TEXT,
    data_7 TEXT,
    data_8 TEXT,
    open_data TEXT,
    is_right INTEGER DEFAULT 11
);
INSERT INTO player (name, sex, shuxiang, yunqi) VALUES ('新玩家', '先生', '龙', 'empty');
COMMIT;
)sql";

namespace {

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
}

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

bool BuildDatabase(const std::string& path, std::string& error) {
    CSqliteConnection db;
    if (!db.OpenOrCreate(path) || !db.Execute(kEmptyDatabaseScript)) {
        error = "cannot write the database " + path;
        return false;
    }
    return true;
}

}  // namespace

bool WriteEmptyDatabase(const std::string& path, std::string& error) {
    if (Exists(path)) {
        error = path + " is already there; it is left as it is";
        return false;
    }
    const std::string building = path + ".new-" + std::to_string(::getpid());
    RemoveQuietly(building);  // left over from a run that was interrupted
    RemoveQuietly(building + "-journal");
    bool ok = BuildDatabase(building, error);
    // link() refuses an existing name, unlike rename(): a file that appeared meanwhile is never replaced.
    if (ok && ::link(building.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno) + "; nothing was written";
        ok = false;
    }
    RemoveQuietly(building);
    RemoveQuietly(building + "-journal");
    return ok;
}
