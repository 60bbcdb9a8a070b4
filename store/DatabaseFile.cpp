// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatabaseFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

// Makes folder and its missing parents, private to the user (0700) as the XDG base directory rules ask of a
// data folder made on demand: the file holds the player's profile.
bool MakeFolders(const fs::path& folder, std::string& error) {
    std::error_code ec;
    if (folder.empty() || fs::is_directory(folder, ec)) {
        return true;
    }
    if (!MakeFolders(folder.parent_path(), error)) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot make " + folder.string() + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

std::string ChooseDatabaseFile(const DatabasePlaces& places) {
    std::error_code ec;
    if (places.programFolderIsOwn && fs::is_regular_file(places.programFile, ec)) {
        return places.programFile;
    }
    if (places.userFile.empty()) {
        return places.programFile;
    }
    std::string ignored;  // a copy that fails leaves no file, and opening it then says so
    CopyDatabaseTemplate(places.programFile, places.userFile, ignored);
    return places.userFile;
}

TemplateCopy CopyDatabaseTemplate(const std::string& templateFile, const std::string& path,
                                  std::string& error) {
    if (Exists(path)) {
        return TemplateCopy::AlreadyThere;
    }
    std::error_code ec;
    if (!fs::is_regular_file(templateFile, ec)) {
        error = "no database template at " + templateFile;
        return TemplateCopy::Failed;
    }
    if (!MakeFolders(fs::path(path).parent_path(), error)) {
        return TemplateCopy::Failed;
    }
    const fs::path copying = path + ".new-" + std::to_string(::getpid());
    RemoveQuietly(copying);  // left over from a start that was interrupted
    if (!fs::copy_file(templateFile, copying, ec)) {
        error = "cannot copy " + templateFile + " to " + copying.string() + ": " + ec.message();
        RemoveQuietly(copying);
        return TemplateCopy::Failed;
    }
    fs::permissions(copying, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    // link() refuses an existing name, unlike rename(): a file that appeared meanwhile is kept.
    TemplateCopy result = TemplateCopy::Copied;
    if (::link(copying.c_str(), path.c_str()) != 0) {
        if (errno == EEXIST) {
            result = TemplateCopy::AlreadyThere;
        } else {
            error = path + ": " + std::strerror(errno);
            result = TemplateCopy::Failed;
        }
    }
    RemoveQuietly(copying);
    return result;
}
