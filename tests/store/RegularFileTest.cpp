// SPDX-License-Identifier: GPL-3.0-or-later
// The files the records go out to and the draws come in from: only regular files are read or replaced, a
// read never blocks or runs away, and a replacement that fails leaves the old file exactly as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/RegularFile.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/FileBytes.h"

namespace fs = std::filesystem;

namespace {

using RegularFileTest = StoreFixture;

TEST_F(RegularFileTest, OnlyARegularFileWithinTheLimitIsRead) {
    const fs::path file = dir / "draws.txt";
    std::ofstream(file, std::ios::binary) << "1,123\n";
    std::string bytes;
    EXPECT_TRUE(ReadRegularFile(file, 6, bytes).Ok());
    EXPECT_EQ(bytes, "1,123\n");
    EXPECT_EQ(ReadRegularFile(file, 5, bytes).kind, FileOutcome::Kind::tooLarge);

    // Endless or blocking sources are refused before a byte is read; a pipe nobody writes to would
    // otherwise hang the open for ever.
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadRegularFile(fifo, 100, bytes).kind, FileOutcome::Kind::notRegular);
    EXPECT_EQ(ReadRegularFile("/dev/zero", 100, bytes).kind, FileOutcome::Kind::notRegular);
    EXPECT_EQ(ReadRegularFile(dir, 100, bytes).kind, FileOutcome::Kind::notRegular);
    const FileOutcome missing = ReadRegularFile(dir / "none.txt", 100, bytes);
    EXPECT_EQ(missing.kind, FileOutcome::Kind::system);
    EXPECT_EQ(missing.error, ENOENT);
}

TEST_F(RegularFileTest, AReplacementKeepsPermissionsAndReplacesTheFileALinkNames) {
    const fs::path file = dir / "out.csv";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = dir / "link.csv";
    fs::create_symlink(file, link);

    ASSERT_TRUE(ReplaceRegularFileWith(link.string(), "new").Ok());

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Bytes(file), "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceRegularFileWith((dir / "fresh.csv").string(), "made").Ok());
    EXPECT_EQ(Bytes(dir / "fresh.csv"), "made");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4) << "the database, two files and the link";
}

TEST_F(RegularFileTest, AFailedReplacementLeavesTheOldFileAndNothingElse) {
    const fs::path file = dir / "out.csv";
    std::ofstream(file) << "the player's books";
    const FileOutcome full = ReplaceRegularFile(file.string(), [](const std::string& newFile) {
        std::ofstream(newFile) << "half";
        return ENOSPC;
    });
    EXPECT_EQ(full.kind, FileOutcome::Kind::system);
    EXPECT_EQ(full.error, ENOSPC);
    EXPECT_EQ(Bytes(file), "the player's books");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "no half-written file is left behind";

    const FileOutcome noFolder = ReplaceRegularFileWith((dir / "none" / "out.csv").string(), "x");
    EXPECT_EQ(noFolder.kind, FileOutcome::Kind::system);
    EXPECT_EQ(noFolder.error, ENOENT);
}

// As root, replacing /dev/null with a plain file would break the whole system: no device, pipe, folder or
// dangling link is ever replaced.
TEST_F(RegularFileTest, NothingButARegularFileIsReplaced) {
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<fs::path> others = {fifo, dir};
    const fs::path device = dir / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {  // only root may make a device
        others.push_back(device);
    }
    const fs::path dangling = dir / "dangling";
    fs::create_symlink(dir / "nowhere", dangling);
    others.push_back(dangling);

    for (const fs::path& other : others) {
        EXPECT_EQ(ReplaceRegularFileWith(other.string(), "x").kind, FileOutcome::Kind::notRegular) << other;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(!fs::exists(device) || fs::is_character_file(device));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

// A process id no process has: ids stay below pid_max.
std::string UnusedProcessId() {
    long last = 0;
    std::ifstream("/proc/sys/kernel/pid_max") >> last;
    return std::to_string(last > 0 ? last : 4194304);
}

// What copies of the program killed while writing left behind goes at the next write into that folder. What
// a running copy is writing stays: told by its process (pid 1 always runs), or by the lock on the file (held
// here as a copy in another process namespace would hold it, whose process id means nothing here).
TEST_F(RegularFileTest, LeftoversOfKilledWritersGoAndAFileAtWorkStays) {
    const std::string gone = ".morvint-" + UnusedProcessId();
    const std::vector<std::string> leftovers = {gone + "-0.new", gone + "-0.new-journal",
                                                gone + "-1.new-journal"};
    const std::vector<std::string> kept = {
        ".morvint-1-0.new",      ".morvint-1-0.new-journal", gone + "-2.new",
        gone + "-2.new-journal", gone + "-03.new",           ".morvint-0" + gone.substr(9) + "-0.new",
        ".morvint-notes.new",    gone + "-0.new.bak",        gone.substr(1) + "-0.new"};
    for (const std::vector<std::string>& names : {leftovers, kept}) {
        for (const std::string& name : names) {
            std::ofstream(dir / name) << "x";
        }
    }
    fs::create_directory(dir / (gone + "-4.new"));
    const int held = ::open((dir / kept[2]).c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_len = 1;
    ASSERT_EQ(::fcntl(held, F_OFD_SETLK, &lock), 0);

    ASSERT_TRUE(ReplaceRegularFileWith((dir / "out.csv").string(), "new").Ok());
    for (const std::string& name : leftovers) {
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(dir / (gone + "-4.new")));

    ::close(held);
    ASSERT_TRUE(ReplaceRegularFileWith((dir / "out.csv").string(), "newer").Ok());
    EXPECT_FALSE(fs::exists(dir / kept[2])) << "once its writer let go";
    EXPECT_FALSE(fs::exists(dir / kept[3]));
    EXPECT_TRUE(fs::exists(dir / kept[0]));
}

// A file made read-only on purpose stays as it is, reached directly or through a link, and even for root,
// whose permissions would let the rename beside it through.
TEST_F(RegularFileTest, AReadOnlyFileIsNeverReplaced) {
    const fs::path file = dir / "kept.csv";
    std::ofstream(file) << "kept";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path link = dir / "link.csv";
    fs::create_symlink(file, link);
    int written = 0;
    for (const fs::path& path : {file, link}) {
        const FileOutcome outcome = ReplaceRegularFile(path.string(), [&written](const std::string&) {
            ++written;
            return 0;
        });
        EXPECT_EQ(outcome.kind, FileOutcome::Kind::writeProtected) << path;
    }
    EXPECT_EQ(written, 0) << "refused before a new file is made";
    EXPECT_EQ(Bytes(file), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 3) << "the database, the file and the link";
}

}  // namespace
