// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/emptydb/EmptyDatabase.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "store/CSqliteConnection.h"
#include "store/DatabaseSchema.h"

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
