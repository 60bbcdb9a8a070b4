// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegularFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : fd(descriptor) {}
    ~FileDescriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd; }
    // Closes now and says whether that worked: a delayed write error may only show here.
    int Close() {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd;
};

FileOutcome NotRegular() {
    return {FileOutcome::Kind::notRegular, 0};
}

// The file a replacement goes to: the one path names, behind any links, with what it is now.
struct Target {
    std::string path;
    bool exists = false;
    struct stat info {};
};

// No write bit at all (protected on purpose, which root's permissions would override), or none for us.
bool IsWriteProtected(const std::string& path, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

FileOutcome FindTarget(const std::string& path, Target& target) {
    if (::stat(path.c_str(), &target.info) == 0) {
        if (!S_ISREG(target.info.st_mode)) {
            return NotRegular();
        }
        if (IsWriteProtected(path, target.info)) {
            return {FileOutcome::Kind::writeProtected, 0};
        }
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr) {
            return FileOutcome::System(errno);
        }
        target.path = resolved;
        std::free(resolved);
        target.exists = true;
        return {};
    }
    if (errno != ENOENT) {
        return FileOutcome::System(errno);
    }
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0) {
        return NotRegular();  // a link that leads nowhere: where the file should go is anybody's guess
    }
    target.path = path;
    return {};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, std::max<std::size_t>(slash, 1));
}

constexpr const char* kNewFilePrefix = ".morvint-";
constexpr const char* kNewFileSuffix = ".new";
constexpr const char* kJournalSuffix = "-journal";
constexpr int kNewFileAttempts = 100;

std::string NewFileName(long long pid, int attempt) {
    return kNewFilePrefix + std::to_string(pid) + "-" + std::to_string(attempt) + kNewFileSuffix;
}

// The writer of a temporary file holds a lock on its first byte until the file has its final name or is
// gone. The lock belongs to the open file, not to a process id, so it says "still at work" across process
// namespaces and goes away with the process however that ends. SQLite locks other bytes (at 1 GiB) of the
// files it writes, so the two never meet.
bool LockFirstByte(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// A new, empty file of our own in folder, under a name nobody else uses; held: its descriptor, which holds
// the file's lock while it stays open.
FileOutcome MakeNewFile(const std::string& folder, std::string& newFile, int& held) {
    for (int attempt = 0;; ++attempt) {
        newFile = folder + "/" + NewFileName(::getpid(), attempt);
        held = ::open(newFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (held >= 0) {
            LockFirstByte(held, F_WRLCK);  // without it (a file system without locks) only the pid speaks
            return {};
        }
        if (errno != EEXIST || attempt == kNewFileAttempts) {
            return FileOutcome::System(errno);
        }
    }
}

// The process id in name when name is exactly a temporary file's name with after behind it, or 0.
long long WriterOf(const std::string& name, const std::string& after) {
    const std::string ending = kNewFileSuffix + after;
    if (!name.starts_with(kNewFilePrefix) || !name.ends_with(ending)) {
        return 0;
    }
    const std::size_t start = std::char_traits<char>::length(kNewFilePrefix);
    const std::size_t dash = name.find('-', start);
    if (dash == std::string::npos || dash + ending.size() > name.size()) {
        return 0;
    }
    const long long pid = NumberInName(name.substr(start, dash - start));
    const long long attempt = NumberInName(name.substr(dash + 1, name.size() - ending.size() - dash - 1));
    // Spelled back exactly as the program spells it: no leading zeros, nothing else in it.
    return pid > 0 && attempt >= 0 && attempt <= kNewFileAttempts &&
                   name == NewFileName(pid, static_cast<int>(attempt)) + after
               ? pid
               : 0;
}

// The process is gone for certain; a process of another user, or ourselves, is not.
bool ProcessGone(long long pid) {
    return pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool IsRegularEntry(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Removes the temporary file at path unless someone holds its lock. While we hold the lock ourselves, no
// one else can be found writing it.
void RemoveIfUnheld(const std::string& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() >= 0 && LockFirstByte(file.Get(), F_RDLCK)) {
        ::unlink(path.c_str());
    }
}

// The old file's permissions, and its owner where we may give it (root replacing a user's file).
void TakeOverAttributes(const std::string& newFile, const Target& target) {
    if (!target.exists) {
        return;
    }
    ::chmod(newFile.c_str(), target.info.st_mode & 07777);
    if (::geteuid() == 0 && (target.info.st_uid != 0 || target.info.st_gid != 0)) {
        [[maybe_unused]] const int ignored = ::chown(newFile.c_str(), target.info.st_uid, target.info.st_gid);
    }
}

int SyncToDisk(const std::string& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        return errno;
    }
    if (::fsync(file.Get()) != 0) {
        return errno;
    }
    return file.Close();
}

}  // namespace

FileOutcome ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return FileOutcome::System(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return NotRegular();
    }
    // Should a pipe take the file's place between the check and the open, the open still returns at once.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        return FileOutcome::System(errno);
    }
    if (::fstat(file.Get(), &info) != 0) {
        return FileOutcome::System(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return NotRegular();
    }
    bytes.clear();
    // Left uncleared: a read fills only what it returns, so a small file touches one page of the stack, not
    // the whole buffer.
    std::array<char, 16384> buffer;
    for (;;) {
        const std::size_t room = std::min(buffer.size(), limit + 1 - bytes.size());
        const ssize_t got = ::read(file.Get(), buffer.data(), room);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return FileOutcome::System(errno);
        }
        if (got == 0) {
            return {};
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
        if (bytes.size() > limit) {
            return {FileOutcome::Kind::tooLarge, 0};
        }
    }
}

FileOutcome ReplaceRegularFile(const std::string& path,
                               const std::function<int(const std::string& newFile)>& write) {
    Target target;
    if (const FileOutcome found = FindTarget(path, target); !found.Ok()) {
        return found;
    }
    return WriteNewFileThenPlace(
        FolderOf(target.path),
        [&](const std::string& newFile) {
            const int error = write(newFile);
            if (error == 0) {
                TakeOverAttributes(newFile, target);
            }
            return error;
        },
        [&target](const std::string& newFile) {
            return ::rename(newFile.c_str(), target.path.c_str()) == 0 ? 0 : errno;
        });
}

FileOutcome WriteNewFileThenPlace(const std::string& folder,
                                  const std::function<int(const std::string& newFile)>& write,
                                  const std::function<int(const std::string& newFile)>& place) {
    RemoveLeftoverNewFiles(folder);
    std::string newFile;
    int descriptor = -1;
    if (const FileOutcome made = MakeNewFile(folder, newFile, descriptor); !made.Ok()) {
        return made;
    }
    const FileDescriptor held(descriptor);  // and with it the lock, until the temporary name is gone
    int error = write(newFile);
    if (error == 0) {
        error = SyncToDisk(newFile);
    }
    if (error == 0) {
        error = place(newFile);
    }
    ::unlink(newFile.c_str());  // still there after a failure, or after a place that made a link
    if (error != 0) {
        return FileOutcome::System(error);
    }
    SyncToDisk(folder);  // the new name on the disk too; the file is in place whether or not this works
    return {};
}

long long NumberInName(std::string_view text) {
    if (text.empty() || text.size() > 9) {
        return -1;
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

void RemoveLeftoverNewFiles(const std::string& folder) {
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        names.push_back(entry->path().filename().string());
    }
    // The files first, then the journals whose file is gone (removed just now, or never there).
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        if (ProcessGone(WriterOf(name, "")) && IsRegularEntry(path)) {
            RemoveIfUnheld(path);
        }
    }
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        const std::string file = path.substr(0, path.size() - std::char_traits<char>::length(kJournalSuffix));
        struct stat info {};
        if (ProcessGone(WriterOf(name, kJournalSuffix)) && IsRegularEntry(path) &&
            ::lstat(file.c_str(), &info) != 0 && errno == ENOENT) {
            ::unlink(path.c_str());
        }
    }
}

FileOutcome ReplaceRegularFileWith(const std::string& path, const std::string& bytes) {
    return ReplaceRegularFile(path, [&bytes](const std::string& newFile) {
        FileDescriptor file(::open(newFile.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY));
        if (file.Get() < 0) {
            return errno;
        }
        const int error = WriteAll(file.Get(), bytes);
        return error != 0 ? error : file.Close();
    });
}

int WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            return errno;
        }
        written += static_cast<std::size_t>(put);
    }
    return 0;
}
