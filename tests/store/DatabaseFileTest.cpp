// SPDX-License-Identifier: GPL-3.0-or-later
// Which database a start opens, and the first copy of the template into the user's data folder: an existing
// file is never replaced, a folder shared by every user is never written, and nothing is left half-made.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/DatabaseFile.h"
#include "tests/store/StoreFixture.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// The fixture's fresh database stands for the template, in a program folder of its own.
class DatabaseFileTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        places.programFile = dbPath;
        places.userFile = (dir / "home" / "data" / "morvint" / "morvint.db").string();
        templateBytes = ReadBytes(dbPath);
    }

    DatabasePlaces places;
    std::string templateBytes;
};

TEST_F(DatabaseFileTest, APortableFolderThatCanBeWrittenKeepsItsOwnDatabase) {
    EXPECT_EQ(ChooseDatabaseFile(places), dbPath);
    EXPECT_FALSE(fs::exists(dir / "home")) << "nothing is made for the user";
}

TEST_F(DatabaseFileTest, AnInstalledFolderIsOnlyATemplateEvenForAUserWhoCouldWriteIt) {
    places.programFolderIsOwn = false;

    EXPECT_EQ(ChooseDatabaseFile(places), places.userFile);
    EXPECT_EQ(ReadBytes(places.userFile), templateBytes);
    EXPECT_EQ(FilesIn(fs::path(places.userFile).parent_path()), 1u) << "no copy under another name is left";
    EXPECT_EQ(ReadBytes(dbPath), templateBytes);
    for (const fs::path& made : {dir / "home", dir / "home" / "data", dir / "home" / "data" / "morvint"}) {
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    }
}

TEST_F(DatabaseFileTest, AUsersFileIsNeverReplaced) {
    places.programFolderIsOwn = false;
    fs::create_directories(fs::path(places.userFile).parent_path());
    std::ofstream(places.userFile) << "the user's predictions";

    EXPECT_EQ(ChooseDatabaseFile(places), places.userFile);
    EXPECT_EQ(ReadBytes(places.userFile), "the user's predictions");

    // Not even a dangling link in its place is replaced: opening it says what is wrong.
    fs::remove(places.userFile);
    fs::create_symlink(dir / "gone.db", places.userFile);
    std::string error;
    EXPECT_EQ(CopyDatabaseTemplate(dbPath, places.userFile, error), TemplateCopy::AlreadyThere);
    EXPECT_TRUE(fs::is_symlink(places.userFile));
    EXPECT_FALSE(fs::exists(dir / "gone.db"));
}

TEST_F(DatabaseFileTest, WithoutATemplateNothingIsMadeAndTheUsersFileIsStillTheOneToOpen) {
    places.programFile = (dir / "none" / "morvint.db").string();

    EXPECT_EQ(ChooseDatabaseFile(places), places.userFile);
    EXPECT_FALSE(fs::exists(places.userFile));
    std::string error;
    EXPECT_EQ(CopyDatabaseTemplate(places.programFile, places.userFile, error), TemplateCopy::Failed);
    EXPECT_NE(error.find("no database template"), std::string::npos) << error;
}

TEST_F(DatabaseFileTest, WithoutADataFolderTheProgramFolderIsAllThereIs) {
    places.programFolderIsOwn = false;
    places.userFile.clear();
    EXPECT_EQ(ChooseDatabaseFile(places), dbPath);
}

TEST_F(DatabaseFileTest, ACopyOfAReadOnlyTemplateCanBeWrittenByItsOwner) {
    fs::permissions(dbPath, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string error;
    ASSERT_EQ(CopyDatabaseTemplate(dbPath, places.userFile, error), TemplateCopy::Copied) << error;
    const fs::perms perms = fs::status(places.userFile).permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(ReadBytes(places.userFile), templateBytes);
}

TEST_F(DatabaseFileTest, ACopyThatCannotBePlacedLeavesNothingBehind) {
    // The data folder's place is taken by a file: no folder can be made there.
    std::ofstream(dir / "home") << "not a folder";
    std::string error;
    EXPECT_EQ(CopyDatabaseTemplate(dbPath, places.userFile, error), TemplateCopy::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(FilesIn(dir), 2u) << "only the template and the file in the way";
}

// A portable folder's database is the player's even on a read-only medium: a copy elsewhere would split the
// records in two without a word. The program says at start that it cannot save (tests/robustness).
TEST_F(DatabaseFileTest, APortableDatabaseIsTheOneOpenedEvenWhenItCannotBeWritten) {
    fs::permissions(dbPath, fs::perms::owner_read);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ChooseDatabaseFile(places), dbPath);
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(dir / "home")) << "nothing is made for the user";
}

}  // namespace
