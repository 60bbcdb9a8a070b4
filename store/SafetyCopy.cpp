// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SafetyCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Clock.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseBackup.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopyPrefix = "morvint-";
constexpr std::string_view kCopySuffix = ".db";
constexpr std::size_t kTimeLength = 17;  // YYYY-MM-DD-HHMMSS
constexpr int kLastTwin = 100;           // earlier versions numbered a second copy in one second -2 .. -100
constexpr int kNameAttempts = 100;       // numbers tried after the next one is found taken
// How long a copy waits for another copy of the program that is naming its own copy (a few milliseconds).
constexpr int kFolderWaitMs = 5000;
constexpr int kFolderStepMs = 10;

// A safety copy's place among the others: the copies of earlier versions first, by their time and then by
// their number within a second; then the numbered ones, by number (their time only breaks a tie, which two
// copies of the program can leave only on a file system where the folder cannot be locked).
struct CopyOrder {
    bool numbered = false;
    long long number = 0;
    std::string time;
    int twin = 1;

    auto operator<=>(const CopyOrder&) const = default;
};

struct Copy {
    std::string name;
    CopyOrder order;
};

std::string TimeText(std::time_t at) {
    const std::tm local = Clock::LocalTime(at);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string NameOf(long long number, const std::string& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04lld", number);
    return std::string(kCopyPrefix) + text + "-" + time + std::string(kCopySuffix);
}

// YYYY-MM-DD-HHMMSS, each part within its range.
bool IsTimeText(std::string_view text) {
    if (text.size() != kTimeLength || text[4] != '-' || text[7] != '-' || text[10] != '-') {
        return false;
    }
    const long long year = NumberInName(text.substr(0, 4));
    const long long month = NumberInName(text.substr(5, 2));
    const long long day = NumberInName(text.substr(8, 2));
    const long long hour = NumberInName(text.substr(11, 2));
    const long long minute = NumberInName(text.substr(13, 2));
    const long long second = NumberInName(text.substr(15, 2));
    return year >= 0 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 && hour <= 23 &&
           minute >= 0 && minute <= 59 && second >= 0 && second <= 60;
}

// The place of the copy a file name names; nullopt when the program did not make that name.
std::optional<CopyOrder> OrderOfName(const std::string& name) {
    if (!name.starts_with(kCopyPrefix) || !name.ends_with(kCopySuffix)) {
        return std::nullopt;
    }
    const std::string_view body = std::string_view(name).substr(
        kCopyPrefix.size(), name.size() - kCopyPrefix.size() - kCopySuffix.size());
    // morvint-NNNN-YYYY-MM-DD-HHMMSS.db, spelled exactly as NameOf spells it
    if (body.size() > kTimeLength + 1 && body[body.size() - kTimeLength - 1] == '-') {
        const long long number = NumberInName(body.substr(0, body.size() - kTimeLength - 1));
        const std::string time(body.substr(body.size() - kTimeLength));
        if (number >= 1 && IsTimeText(time) && NameOf(number, time) == name) {
            return CopyOrder{true, number, time, 1};
        }
    }
    // An earlier version's: morvint-YYYY-MM-DD-HHMMSS.db, or with -2 .. -100 before .db
    if (body.size() < kTimeLength || !IsTimeText(body.substr(0, kTimeLength))) {
        return std::nullopt;
    }
    const std::string time(body.substr(0, kTimeLength));
    const std::string_view rest = body.substr(kTimeLength);
    if (rest.empty()) {
        return CopyOrder{false, 0, time, 1};
    }
    const long long twin = rest.starts_with('-') ? NumberInName(rest.substr(1)) : -1;
    if (twin >= 2 && twin <= kLastTwin && std::to_string(twin) == rest.substr(1)) {
        return CopyOrder{false, 0, time, static_cast<int>(twin)};
    }
    return std::nullopt;
}

// The safety copies in folder: regular files (not links) with the names the program gives them.
std::vector<Copy> CopiesIn(const std::string& folder) {
    std::vector<Copy> copies;
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        std::error_code statusError;
        if (const std::optional<CopyOrder> order = OrderOfName(name);
            order && entry->symlink_status(statusError).type() == fs::file_type::regular) {
            copies.push_back({name, *order});
        }
    }
    return copies;
}

// Only the newest copies stay, the one just made among them whatever its place.
void KeepNewest(const std::string& folder, const std::string& justMade) {
    std::vector<Copy> copies = CopiesIn(folder);
    std::erase_if(copies, [&justMade](const Copy& copy) { return copy.name == justMade; });
    std::ranges::sort(copies, {}, &Copy::order);
    const std::size_t others = kSafetyCopiesKept - 1;
    for (std::size_t i = 0; i + others < copies.size(); ++i) {
        ::unlink((folder + "/" + copies[i].name).c_str());
    }
}

// Holds the folder while a copy takes its number and the oldest copies go, so that two copies of the program
// never take the same number. A holder holds it for milliseconds; a file system without such locks (or a
// holder that stopped) is given up on after a while, and then only the names' exclusive creation speaks.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        for (int waited = 0; fd >= 0 && waited < kFolderWaitMs; waited += kFolderStepMs) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
                return;
            }
            const timespec step{0, kFolderStepMs * 1'000'000L};
            ::nanosleep(&step, nullptr);
        }
    }
    ~FolderLock() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd;
};

// Gives from the name to, only if no file has that name: 0, or an errno (EEXIST when one has).
int RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system that cannot rename so (NFS) still makes a link only under a free name; the caller
    // removes the temporary name.
    return ::link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// The finished copy at newFile takes the next number in folder.
int PlaceCopy(const std::string& folder, const std::string& newFile, std::string& written) {
    const FolderLock lock(folder);
    long long number = 1;
    for (const Copy& copy : CopiesIn(folder)) {
        if (copy.order.numbered) {
            number = std::max(number, copy.order.number + 1);
        }
    }
    // Past nine digits (after a file someone named so) the names still come out distinct, only no longer
    // ours.
    const std::string time = TimeText(Clock::Now());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt, ++number) {
        const std::string name = NameOf(number, time);
        const int error = RenameWithoutReplacing(newFile, folder + "/" + name);
        if (error == 0) {
            written = folder + "/" + name;
            KeepNewest(folder, name);
            return 0;
        }
        if (error != EEXIST) {
            return error;
        }
    }
    return EEXIST;
}

}  // namespace

std::string SafetyCopyFolder(const std::string& databasePath) {
    return (fs::path(databasePath).parent_path() / "backups").string();
}

FileOutcome WriteSafetyCopy(const CSqliteConnection& connection, std::string& written) {
    written.clear();
    if (!connection.IsOpen()) {
        return FileOutcome::System(ENOENT);
    }
    const std::string folder = SafetyCopyFolder(connection.FilePath());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return FileOutcome::System(errno);
    }
    return WriteNewFileThenPlace(
        folder, [&connection](const std::string& newFile) { return CopyDatabaseInto(connection, newFile); },
        [&](const std::string& newFile) { return PlaceCopy(folder, newFile, written); });
}
