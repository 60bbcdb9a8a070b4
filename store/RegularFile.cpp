#include "store/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>

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

// A new, empty file of our own in folder, under a name nobody else uses.
FileOutcome MakeNewFile(const std::string& folder, std::string& newFile) {
    for (int attempt = 0;; ++attempt) {
        newFile = folder + "/.morvint-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".new";
        const int fd = ::open(newFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            ::close(fd);
            return {};
        }
        if (errno != EEXIST || attempt == 100) {
            return FileOutcome::System(errno);
        }
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
    std::array<char, 65536> buffer{};
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
    const std::string folder = FolderOf(target.path);
    std::string newFile;
    if (const FileOutcome made = MakeNewFile(folder, newFile); !made.Ok()) {
        return made;
    }
    int error = write(newFile);
    if (error == 0) {
        TakeOverAttributes(newFile, target);
        error = SyncToDisk(newFile);
    }
    if (error == 0 && ::rename(newFile.c_str(), target.path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(newFile.c_str());
        return FileOutcome::System(error);
    }
    SyncToDisk(folder);  // the new name on the disk too; the file is in place whether or not this works
    return {};
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
