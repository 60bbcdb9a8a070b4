// SPDX-License-Identifier: GPL-3.0-or-later
// --export-csv and --import-draws from a terminal, run as the built program with no display: what goes in
// and out, and what happens at the edges a hostile or unlucky user reaches: a full disk, a device or a pipe
// instead of a file, endless input, a name that is no UTF-8, and a file that tries to act on the terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <QFile>
#include <QString>

#include "core/MessageTexts.h"
#include "shell/Backups.h"
#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "tests/support/EnvironmentScope.h"
#include "tests/support/FileBytes.h"
#include "tests/support/HistoryRowSql.h"
#include "tests/support/MessageParts.h"
#include "tests/support/ShellRun.h"
#include "tests/support/TestDatabase.h"

namespace fs = std::filesystem;

namespace {

// A file as the messages name it.
std::string Quoted(const fs::path& path) {
    return "“" + path.string() + "”";
}

// A line of what a run from the terminal failed at.
std::string FailureLine(const std::string& text) {
    return FormatText(Messages::kTerminalError, text) + "\n";
}

// The workbook as openpyxl reads it, one line for each sheet's settings and each cell (tests/support).
ShellRun ReadBack(const fs::path& xlsx) {
    return RunShell(ShellQuoted(MORVINT_SOURCE_DIR "/tests/support/ReadWorkbook.py") + " " +
                    ShellQuoted(xlsx));
}

class RecordsCommandTest : public ::testing::Test {
protected:
    // Two predictions: 2009-06-17 (drawn) and 2099-06-18 (still to come).
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "morvint-command-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        // The program's settings come from the run's folder, never from the home of whoever runs the tests.
        environment.Set("XDG_CONFIG_HOME",
                        QFile::encodeName(QString::fromStdString((dir / "config").string())));
        db = (dir / "试用.db").string();
        ASSERT_TRUE(WriteFreshDatabase(db));
        RunSql(db, InsertHistorySql({
                       {.order = 1,
                        .date = "2009-06-17 10:00:00",
                        .openOrder = "09161",
                        .codes = {"123", "456", "789", "012", "345", "678", "901", "234"}},
                       {.order = 2,
                        .date = "2099-06-18 10:00:00",
                        .openOrder = "09162",
                        .codes = {"111", "222", "333", "444", "555", "666", "777", "888"}},
                   }));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    ShellRun Run(const std::string& arguments) const {
        return RunShell(ProgramWithoutDisplay(arguments + " --database " + ShellQuoted(db)));
    }
    // The names in the folder of the safety copies; none while there is no such folder.
    std::set<std::string> SafetyCopies() const {
        std::set<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator entry(dir / "backups", ec), end; !ec && entry != end;
             entry.increment(ec)) {
            names.insert(entry->path().filename().string());
        }
        return names;
    }
    // The same with standard output and standard error on a terminal of its own (a pseudo-terminal that
    // script opens), both read back as output.
    ShellRun RunOnTerminal(const std::string& arguments) const {
        return RunShell("script -qec " +
                        ShellQuoted(ProgramWithoutDisplay(arguments + " --database " + ShellQuoted(db))) +
                        " /dev/null");
    }
    static bool HasTerminals() { return RunShell("script -qec true /dev/null").exitCode == 0; }

    fs::path SettingsFile() const { return dir / "config/morvint/morvint.conf"; }

    EnvironmentScope environment;
    fs::path dir;
    std::string db;
};

TEST_F(RecordsCommandTest, DrawsGoInAndTheRecordsComeOutAsCsvToAFileOrToStandardOutput) {
    const fs::path draws = dir / "draws.txt";
    std::ofstream(draws) << "09161,345\n09162,111\n";
    const ShellRun import = Run("--import-draws " + ShellQuoted(draws));
    EXPECT_EQ(import.exitCode, 1) << "a refused line makes the run fail";
    EXPECT_EQ(import.output, FormatText(Messages::kImportTally, 1, 1) + "\n" +
                                 FormatText(Messages::kRefusedLine, 2, Messages::kNotDue.text) + "\n");

    const fs::path csv = dir / "records.csv";
    const ShellRun exported = Run("--export-csv " + ShellQuoted(csv));
    EXPECT_EQ(exported.exitCode, 0) << exported.errors;
    EXPECT_EQ(exported.output, FormatText(Messages::kExported, 2, "", Quoted(csv)) + "\n");
    const std::string text = Bytes(csv);
    EXPECT_NE(text.find("\r\n2009-06-17,09161,123,456,789,012,345,678,901,234,345,正确\r\n"),
              std::string::npos)
        << text;

    // To standard output the CSV comes alone; what was done is said beside it.
    const ShellRun piped = Run("--export-csv -");
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.output, text);
    EXPECT_EQ(piped.errors, FormatText(Messages::kExported, 2, "", Messages::kStandardOutput.text) + "\n");
    EXPECT_EQ(Run("-style=Fusion --export-csv=- -nograb").output, text) << "Qt's options are no hindrance";
}

// A full disk: the export fails, says so, and the player's old file is still there byte for byte, for the CSV
// and the workbook alike. The disk is a 64 KB tmpfs, mounted in a mount namespace of the run's own so that
// nothing is left mounted.
TEST_F(RecordsCommandTest, AnExportOnAFullDiskFailsAndKeepsTheOldFile) {
    if (::geteuid() != 0 || RunShell("unshare -m true").exitCode != 0) {
        GTEST_SKIP() << "mounting a small disk needs root and mount namespaces";
    }
    for (const std::string option : {"--export-csv", "--export-xlsx"}) {
        const fs::path disk = dir / ("disk" + option);
        const fs::path out = disk / "out";
        const ShellRun run = RunShell(
            "mkdir " + ShellQuoted(disk) + " && unshare -m sh -c '" +
            "mount -t tmpfs -o size=64k tmpfs \"$0\" && printf \"the player s own books\\n\" >\"$1\" && " +
            "(dd if=/dev/zero of=\"$0/filler\" bs=4k 2>/dev/null; true) && " +
            ProgramWithoutDisplay("--database \"$2\" " + option + " \"$1\"") +
            "; echo \"exit $?\"; cat \"$1\"; ls \"$0\"' " + ShellQuoted(disk) + " " + ShellQuoted(out) + " " +
            ShellQuoted(db));

        EXPECT_EQ(run.output, "exit 1\nthe player s own books\nfiller\nout\n")
            << option << ": nothing left beside it";
        const std::string cannotWrite =
            FormatText(Messages::kCannotWrite, Quoted(out), Messages::kDiskFull.text);
        EXPECT_EQ(run.errors, FailureLine(FormatText(Messages::kExportFailed,
                                                     cannotWrite + Messages::kFileUnchanged.text)))
            << option;
    }
}

// The workbook as a spreadsheet program reads it: codes, issues and draw numbers stay text (025 is no 25),
// the draw date is a real date shown yyyy-mm-dd, the title row is bold and stays in view, both sheets print
// landscape one page wide and the records under their title row on each page, the hits have the records
// list's colours, and the statistics sheet has the window's tables and sentences, its figures numbers (that a
// spreadsheet can sum) shown as the window shows them: 3 as "3 条", 0.5 as "50.00%", 32 as "32 元".
TEST_F(RecordsCommandTest, TheWorkbookKeepsTheCodesAsTextAndTheDatesAsDates) {
    RunSql(db,
           "UPDATE data_history SET data_1 = '025', open_data = '025', is_right = 1 WHERE record_order = 1;" +
               InsertHistorySql({.order = 3,
                                 .date = "2009-06-19 10:00:00",
                                 .openOrder = "=1+1",
                                 .codes = {"089", "111", "222", "333", "444", "555", "666", "777"},
                                 .openData = "999",
                                 .isRight = 0}));
    const fs::path xlsx = dir / "记录.xlsx";
    const ShellRun exported = Run("--export-xlsx " + ShellQuoted(xlsx));
    EXPECT_EQ(exported.exitCode, 0) << exported.errors;
    EXPECT_EQ(exported.output, FormatText(Messages::kExported, 3, "", Quoted(xlsx)) + "\n");

    const ShellRun read = ReadBack(xlsx);
    ASSERT_EQ(read.exitCode, 0) << read.errors;
    for (const std::string& line : std::vector<std::string>{
             "sheets: 预测记录,统计",
             "预测记录 frozen: A2",
             "预测记录 widths: A=12.7109 B=7.71094 C=10.7109",  // a date, an issue, a code under its title
             // on paper: landscape, all columns on one page across, the title row on every page
             "预测记录 print: landscape fit True 1x0 titles $1:$1\n",
             "统计 print: landscape fit True 1x0 titles None\n",
             "预测记录!A1 s 开奖日期 | General | bold | ",
             "预测记录!L1 s 预测结果 | General | bold | ",
             "预测记录!A2 d 2009-06-17 | yyyy-mm-dd |  | ",
             "预测记录!B2 s 09161 | @ |  | ",
             "预测记录!C2 s 025 | @ |  | FF00C864",
             "预测记录!D2 s 456 | @ |  | \n",
             "预测记录!K2 s 025 | @ |  | \n",
             "预测记录!L2 s 正确 | @ |  | FF008050",
             "预测记录!K3 s 未知 | @ |  | \n",
             "预测记录!B4 s =1+1 | @ |  | \n",  // typed text, never a formula
             "预测记录!C4 s 089 | @ |  | \n",
             "预测记录!L4 s 错误 | @ |  | FFC81414",
             "统计!A5 s 已保存预测 | General | bold | \n统计!B5 n 3 | 0\" 条\" |  | \n",
             "统计!B6 n 2 | 0\" 期\" |  | \n",
             "统计!B9 s 命中 | General | bold | ",
             "统计!A10 s 直选（正确） | General | bold | \n统计!B10 n 1 | 0 |  | \n"
             "统计!C10 n 0.5 | 0.00% |  | \n统计!D10 n 0.008 | 0.00% |  | \n统计!E10 n 0.016 | 0.000 |  | \n",
             "统计!I13 s 第八组 | General | bold | ",
             "统计!B14 n 1 | 0 |  | \n统计!C14 n 0 | 0 |  | \n",
             "统计!A17 s 假如每期都买",
             "统计!A19 s 直选 | General | bold | \n统计!B19 n 16 | 0 |  | \n统计!C19 n 32 | 0\" 元\" |  | \n"
             "统计!D19 n 1040 | 0\" 元\" |  | \n统计!E19 n 16.64 | 0\" 元\" |  | \n",
             "统计!A22 s " + Opening(Messages::kChanceFacts, 2, 1),
             "统计!A23 s " + Opening(Messages::kLedger, 2, 32),
         }) {
        EXPECT_NE(read.output.find(line), std::string::npos) << line << "\nin\n" << read.output;
    }
}

// Before any draw the rates are dashes, which stay words; the counts beside them are numbers all the same.
TEST_F(RecordsCommandTest, TheWorkbookKeepsTheDashesBeforeAnyDrawAsText) {
    const fs::path xlsx = dir / "记录.xlsx";
    const ShellRun exported = Run("--export-xlsx " + ShellQuoted(xlsx));
    ASSERT_EQ(exported.exitCode, 0) << exported.errors;
    const ShellRun read = ReadBack(xlsx);
    ASSERT_EQ(read.exitCode, 0) << read.errors;
    for (const std::string& line : std::vector<std::string>{
             "统计!B6 n 0 | 0\" 期\" |  | \n",
             "统计!B10 n 0 | 0 |  | \n统计!C10 s — | General |  | \n统计!D10 s — | General |  | \n"
             "统计!E10 n 0 | 0 |  | \n",
         }) {
        EXPECT_NE(read.output.find(line), std::string::npos) << line << "\nin\n" << read.output;
    }
}

// Only regular files: a pipe nobody writes to would hang the program in its open, /dev/zero would feed it
// until memory runs out, and as root an export to a device would replace it with a plain file.
TEST_F(RecordsCommandTest, DevicesAndPipesAreRefusedAtOnce) {
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& source : {fifo.string(), std::string("/dev/zero")}) {
        const ShellRun import =
            RunShell("timeout 20 " + ProgramWithoutDisplay("--import-draws " + ShellQuoted(source) +
                                                           " --database " + ShellQuoted(db)));
        EXPECT_EQ(import.exitCode, 1) << source;
        EXPECT_EQ(import.errors, FailureLine(FormatText(Messages::kNotRegularForReading, Quoted(source))));
    }
    const ShellRun exported =
        RunShell("timeout 20 " + ProgramWithoutDisplay("--export-csv " + ShellQuoted(fifo) + " --database " +
                                                       ShellQuoted(db)));
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_EQ(exported.errors,
              FailureLine(FormatText(Messages::kExportFailed,
                                     FormatText(Messages::kNotRegularForWriting, Quoted(fifo)))));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// The settings file is read only when it is a regular file: a pipe in its place once held the program up for
// ever, before the workbook was written. It is said on standard error, and the pipe stays.
TEST_F(RecordsCommandTest, APipeAsTheSettingsFileIsPassedOverWithAWord) {
    fs::create_directories(SettingsFile().parent_path());
    ASSERT_EQ(::mkfifo(SettingsFile().c_str(), 0600), 0);
    const fs::path xlsx = dir / "记录.xlsx";
    const ShellRun exported =
        RunShell("timeout -s KILL 30 " + ProgramWithoutDisplay("--export-xlsx " + ShellQuoted(xlsx) +
                                                               " --database " + ShellQuoted(db)));
    EXPECT_EQ(exported.exitCode, 0) << "137: killed, the program hung";
    EXPECT_EQ(exported.errors,
              FailureLine(FormatText(Messages::kSettingsFileUnusable,
                                     FormatText(Messages::kNotRegularForReading, Quoted(SettingsFile())))));
    EXPECT_EQ(exported.output, FormatText(Messages::kExported, 2, "", Quoted(xlsx)) + "\n");
    EXPECT_TRUE(fs::is_fifo(SettingsFile()));
}

// Ledger prices the workbook's statistics cannot use are named, each with the default it counts with; the
// export goes ahead. Full-width digits are plain ones.
TEST_F(RecordsCommandTest, LedgerPricesThatCannotBeUsedAreNamedBeforeTheWorkbookIsWritten) {
    fs::create_directories(SettingsFile().parent_path());
    std::ofstream(SettingsFile()) << "[ledger]\nstake=\xEF\xBC\x93\nstraightPrize=10000001\npairPrize=abc\n";
    const fs::path xlsx = dir / "记录.xlsx";
    const ShellRun exported = Run("--export-xlsx " + ShellQuoted(xlsx));
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.errors,
              FailureLine(FormatText(Messages::kLedgerSettingIgnored, Quoted(SettingsFile()), "straightPrize",
                                     "“10000001”", 1040)) +
                  FailureLine(FormatText(Messages::kLedgerSettingIgnored, Quoted(SettingsFile()), "pairPrize",
                                         "“abc”", 346)));
    EXPECT_EQ(exported.output, FormatText(Messages::kExported, 2, "", Quoted(xlsx)) + "\n");

    const ShellRun other = Run("--export-csv " + ShellQuoted(dir / "records.csv"));
    EXPECT_EQ(other.errors, "") << "the prices matter only to the workbook";
}

// An installed program (its files in ../share/morvint) keeps each user's records in the home folder. Without
// one, a command says why and fails, and makes nothing under "/" or the current folder; a database named on
// the command line needs no home.
TEST_F(RecordsCommandTest, WithoutAHomeFolderACommandSaysWhyUnlessTheDatabaseIsNamed) {
    const fs::path installed = dir / "installed";
    fs::create_directories(installed / "games");
    fs::create_directories(installed / "share");
    fs::copy_file(MORVINT_PROGRAM_DIR "/morvint", installed / "games/morvint");
    fs::create_directory_symlink(MORVINT_PROGRAM_DIR, installed / "share/morvint");
    const fs::path current = dir / "current";
    fs::create_directories(current);
    const std::string program =
        "cd " + ShellQuoted(current) +
        " && env -u XDG_DATA_HOME -u HOME -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const std::string notSet = FormatText(Messages::kHomeNotSet);
    for (const auto& [home, why] : std::vector<std::pair<std::string, std::string>>{
             {"", notSet},
             {"HOME= ", notSet},
             {"HOME=home ", FormatText(Messages::kHomeNotAbsolute, "“home”")}}) {
        const ShellRun run =
            RunShell(program + home + ShellQuoted(installed / "games/morvint") + " --export-csv records.csv");
        EXPECT_EQ(run.exitCode, 1) << home;
        EXPECT_EQ(run.errors, FailureLine(FormatText(Messages::kHomeUnusable, why))) << home;
        EXPECT_EQ(run.output, "");
    }
    EXPECT_TRUE(fs::is_empty(current)) << "something was made under the current folder";

    const ShellRun named = RunShell(program + ShellQuoted(installed / "games/morvint") +
                                    " --export-csv - --database " + ShellQuoted(db));
    EXPECT_EQ(named.exitCode, 0) << named.errors;
    EXPECT_NE(named.output.find("09161"), std::string::npos);
}

// A file name from an old GBK archive cannot be represented: it is refused as it is, never swapped for
// another name (U+FFFD) that names a different file.
TEST_F(RecordsCommandTest, ANameThatIsNoUtf8IsRefusedAndNoOtherFileIsTouched) {
    const fs::path gbk = dir / "\xB2\xE2\xCA\xD4.txt";
    std::ofstream(gbk) << "09161,345\n";

    for (const std::string option : {"--import-draws", "--export-csv"}) {
        const ShellRun run = Run(option + " " + ShellQuoted(gbk));
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_NE(run.errors.find("\\xB2\\xE2\\xCA\\xD4.txt"), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(Ending(Messages::kArgumentNotUtf8)), std::string::npos) << run.errors;
    }
    EXPECT_EQ(Bytes(gbk), "09161,345\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "the database and the file, nothing more";
}

// A draws file can hold anything: what the import echoes reaches the terminal without a single control byte.
TEST_F(RecordsCommandTest, TheImportEchoesNoControlBytesToTheTerminal) {
    const fs::path draws = dir / "draws.txt";
    std::ofstream(draws, std::ios::binary) << "\"\x1B]2;owned\x07\",123\n"
                                           << std::string(200000, '9') << ",1\n"
                                           << "\x1B[2J,456\n";
    const ShellRun run = Run("--import-draws " + ShellQuoted(draws));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output.find('\x1B'), std::string::npos);
    EXPECT_EQ(run.output.find('\x07'), std::string::npos);
    EXPECT_LT(run.output.size(), 1000u) << "a 200 KB field is cut short";
    EXPECT_NE(run.output.find(FormatText(Messages::kDrawNoRecordOfIssue, "\\x1B]2;owned\\x07")),
              std::string::npos)
        << run.output;
}

// Back up, archive, restore from a terminal: each says what it did; a restore starts with a safety copy, and
// a file that is no backup of ours is refused and changes nothing.
TEST_F(RecordsCommandTest, BackupArchiveAndRestoreWorkWithoutADisplay) {
    RunSql(db, "UPDATE data_history SET open_data = '345', is_right = 5 WHERE record_order = 1");
    const fs::path backup = dir / "备份.db";
    const ShellRun backedUp = Run("--backup " + ShellQuoted(backup));
    EXPECT_EQ(backedUp.exitCode, 0) << backedUp.errors;
    EXPECT_EQ(
        backedUp.output,
        FormatText(Messages::kBackedUp, FormatText(Messages::kRecordCounts, 2, 0), Quoted(backup)) + "\n");

    const ShellRun archived = Run("--archive 1");
    EXPECT_EQ(archived.exitCode, 0) << archived.errors;
    EXPECT_EQ(archived.output,
              FormatText(Messages::kArchived, 1, FormatText(Messages::kRecordCounts, 1, 1)) + "\n");
    const fs::path csv = dir / "all.csv";
    const ShellRun exported = Run("--export-csv " + ShellQuoted(csv));
    const std::string scope =
        FormatText(Messages::kExportScope, FormatText(Messages::kScopeWithArchive, 2, 1));
    EXPECT_EQ(exported.output, FormatText(Messages::kExported, 2, scope, Quoted(csv)) + "\n");
    EXPECT_NE(Bytes(csv).find("\r\n2009-06-17,09161,123,456,789,012,345,678,901,234,345,正确\r\n"),
              std::string::npos)
        << "the archived record is exported, first";
    const ShellRun tooMany = Run("--archive 2");
    EXPECT_EQ(tooMany.exitCode, 1);
    EXPECT_EQ(tooMany.errors, FailureLine(FormatText(Messages::kTooFewToArchive, 0, 2)));

    const fs::path garbage = dir / "garbage.db";
    std::ofstream(garbage) << "not a database";
    const ShellRun refused = Run("--restore " + ShellQuoted(garbage));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errors, FailureLine(FormatText(Messages::kBackupNotDatabase, Quoted(garbage)) +
                                          Messages::kDatabaseUnchanged.text));
    EXPECT_EQ(RowsAsText(db, "SELECT count(*) FROM data_archive"), (TextRows{{"1"}}));

    const ShellRun restored = Run("--restore " + ShellQuoted(backup));
    EXPECT_EQ(restored.exitCode, 0) << restored.errors;
    EXPECT_TRUE(restored.output.starts_with(
        Opening(Messages::kRestored, Quoted(backup), FormatText(Messages::kRecordCounts, 2, 0))))
        << restored.output;
    EXPECT_EQ(RowsAsText(db, "SELECT count(*) FROM data_history"), (TextRows{{"2"}}));
    // Two safety copies: before the archive (none yet) and before the restore (the archived record).
    std::multiset<std::string> archives;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir / "backups")) {
        archives.insert(RowsAsText(entry.path().string(),
                                   "SELECT count(*) FROM sqlite_master WHERE name = 'data_archive'")[0][0]);
    }
    EXPECT_EQ(archives, (std::multiset<std::string>{"0", "1"}));

    EXPECT_EQ(Run("--archive 0").exitCode, 2);
    EXPECT_EQ(Run("--backup a.db --restore b.db").exitCode, 2);
}

// A safety copy comes right before a change, never for nothing: an import file that cannot be read, or whose
// lines are all refused, takes none, so failed runs never push good copies out. A copy that cannot be written
// stops the import before its first write.
TEST_F(RecordsCommandTest, OnlyAnImportThatEntersADrawTakesASafetyCopy) {
    EXPECT_EQ(Run("--import-draws " + ShellQuoted(dir / "missing.txt")).exitCode, 1);
    const fs::path refused = dir / "refused.txt";
    std::ofstream(refused) << "09162,111\n09999,123\n";
    EXPECT_EQ(Run("--import-draws " + ShellQuoted(refused)).exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "backups"));

    const fs::path draws = dir / "draws.txt";
    std::ofstream(draws) << "09161,345\n";
    std::ofstream(dir / "backups") << "in the way";
    const ShellRun blocked = Run("--import-draws " + ShellQuoted(draws));
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.output.empty()) << blocked.output;
    EXPECT_NE(blocked.errors.find(Opening(Messages::kSafetyCopyFailed, Quoted(dir / "backups"))),
              std::string::npos)
        << blocked.errors;
    EXPECT_TRUE(blocked.errors.ends_with(Ending(Messages::kSafetyCopyFailed) + "\n")) << blocked.errors;
    EXPECT_EQ(RowsAsText(db, "SELECT open_data FROM data_history WHERE record_order = 1"),
              (TextRows{{"未知"}}));

    fs::remove(dir / "backups");
    const ShellRun entered = Run("--import-draws " + ShellQuoted(draws));
    EXPECT_EQ(entered.exitCode, 0) << entered.errors;
    const std::set<std::string> copies = SafetyCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(RowsAsText((dir / "backups" / *copies.begin()).string(),
                         "SELECT open_data FROM data_history WHERE record_order = 1"),
              (TextRows{{"未知"}}))
        << "the copy holds the database as it was before the import";
}

// Ten restores in Shanghai, then one in New York, 13 hours behind: the copy just taken stays and the oldest
// goes, though its name's time is the earliest of all.
TEST_F(RecordsCommandTest, TheSafetyCopyJustTakenStaysInAnotherTimeZone) {
    if (!fs::exists("/usr/share/zoneinfo/Asia/Shanghai") ||
        !fs::exists("/usr/share/zoneinfo/America/New_York")) {
        GTEST_SKIP() << "needs the time zone data (tzdata)";
    }
    const fs::path backup = dir / "backup.db";
    ASSERT_EQ(Run("--backup " + ShellQuoted(backup)).exitCode, 0);
    for (int restore = 0; restore < 10; ++restore) {
        ASSERT_EQ(RunShell("TZ=Asia/Shanghai " + ProgramWithoutDisplay("--restore " + ShellQuoted(backup) +
                                                                       " --database " + ShellQuoted(db)))
                      .exitCode,
                  0);
    }
    const std::set<std::string> before = SafetyCopies();
    ASSERT_EQ(before.size(), 10u);
    const ShellRun west =
        RunShell("TZ=America/New_York " + ProgramWithoutDisplay("--restore " + ShellQuoted(backup) +
                                                                " --database " + ShellQuoted(db)));
    EXPECT_EQ(west.exitCode, 0) << west.errors;

    const std::set<std::string> after = SafetyCopies();
    EXPECT_EQ(after.size(), 10u);
    std::vector<std::string> gone;
    std::ranges::set_difference(before, after, std::back_inserter(gone));
    std::vector<std::string> added;
    std::ranges::set_difference(after, before, std::back_inserter(added));
    EXPECT_EQ(gone, std::vector<std::string>{*before.begin()}) << "the oldest went";
    ASSERT_EQ(added.size(), 1u) << "the new one stayed";
    EXPECT_TRUE(added[0].starts_with("morvint-0011-")) << added[0];
}

// Two copies of the program restoring at the same moment, within one second mostly: each keeps its own
// safety copy, none replaces the other's.
TEST_F(RecordsCommandTest, TwoRunsAtOnceKeepTwoSafetyCopies) {
    const fs::path backup = dir / "backup.db";
    ASSERT_EQ(Run("--backup " + ShellQuoted(backup)).exitCode, 0);
    const std::string restore = ProgramWithoutDisplay("--restore " + ShellQuoted(backup) + " --database " +
                                                      ShellQuoted(db) + " >/dev/null");
    for (std::size_t round = 1; round <= 4; ++round) {
        const ShellRun both = RunShell(restore + " & first=$!; " + restore + " && wait $first");
        ASSERT_EQ(both.exitCode, 0) << both.errors;
        EXPECT_EQ(SafetyCopies().size(), 2 * round) << "round " << round;
    }
}

// A restore from a terminal names the first row it cannot take, refuses the database itself at once, and
// brings in only a backup's rows: a trigger in the backup is gone, so the next import neither empties the
// archive nor renames the player.
TEST_F(RecordsCommandTest, ARestoreSaysWhatItRefusesAndTakesOnlyRows) {
    const fs::path backup = dir / "备份.db";
    ASSERT_EQ(Run("--backup " + ShellQuoted(backup)).exitCode, 0);
    const fs::path bad = dir / "坏.db";
    fs::copy_file(backup, bad);
    RunSql(bad.string(), "UPDATE data_history SET is_right = 'x' WHERE record_order = 2");
    const ShellRun refused = Run("--restore " + ShellQuoted(bad));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errors, FailureLine(FormatText(Messages::kBackupBadValue, Quoted(bad),
                                                     Messages::kBackupHistoryTable.text, 2, "is_right") +
                                          Messages::kDatabaseUnchanged.text));

    const ShellRun itself = Run("--restore " + ShellQuoted(db));
    EXPECT_EQ(itself.exitCode, 1);
    EXPECT_EQ(itself.errors, FailureLine(FormatText(Messages::kBackupIsTheDatabase, Quoted(db)) +
                                         Messages::kDatabaseUnchanged.text));

    RunSql(backup.string(),
           "CREATE TRIGGER wipe AFTER UPDATE ON data_history BEGIN DELETE FROM data_archive; "
           "UPDATE player SET name = 'PWNED'; END");
    ASSERT_EQ(Run("--restore " + ShellQuoted(backup)).exitCode, 0);
    const fs::path draws = dir / "draws.txt";
    std::ofstream(draws) << "09161,345\n";
    EXPECT_EQ(Run("--import-draws " + ShellQuoted(draws)).exitCode, 0);
    EXPECT_EQ(RowsAsText(
                  db, "SELECT name, (SELECT count(*) FROM sqlite_master WHERE type = 'trigger') FROM player"),
              (TextRows{{"新玩家", "0"}}));
}

// A backup in WAL mode on a read-only disk (a bind mount made read-only in a mount namespace of the run's
// own): it is read without its -wal and -shm files, which could not be made there, and the database keeps its
// rollback journal.
TEST_F(RecordsCommandTest, AWalBackupOnAReadOnlyDiskRestores) {
    if (::geteuid() != 0 || RunShell("unshare -m true").exitCode != 0) {
        GTEST_SKIP() << "a read-only mount needs root and mount namespaces";
    }
    const fs::path disk = dir / "只读盘";
    fs::create_directory(disk);
    const fs::path backup = disk / "wal.db";
    ASSERT_EQ(Run("--backup " + ShellQuoted(backup)).exitCode, 0);
    RunSql(backup.string(), "PRAGMA journal_mode = WAL");
    RunSql(db, "DELETE FROM data_history");

    const ShellRun run =
        RunShell("unshare -m sh -c 'mount --bind \"$0\" \"$0\" && mount -o remount,ro,bind \"$0\" && " +
                 ProgramWithoutDisplay("--database \"$1\" --restore \"$0/wal.db\"") +
                 " >/dev/null; echo \"exit $?\"; ls \"$0\"' " + ShellQuoted(disk) + " " + ShellQuoted(db));

    EXPECT_EQ(run.output, "exit 0\nwal.db\n") << run.errors;
    EXPECT_EQ(RowsAsText(db, "SELECT count(*) FROM data_history"), (TextRows{{"2"}}));
    EXPECT_EQ(RowsAsText(db, "PRAGMA journal_mode"), (TextRows{{"delete"}}));
}

// The options that write a file, each with the head of its failure.
struct Writer {
    std::string option;
    const MessageText& head;
};
const Writer kWriters[] = {
    {"--export-csv", Messages::kExportFailed},
    {"--export-xlsx", Messages::kExportFailed},
    {"--backup", Messages::kBackupFailed},
};

// No export or backup writes over the program's own files, whatever the path is called: the rename of the
// new file would swap the database for a CSV file, and SQLite takes a file named like its journal for its
// own, to roll the database back with or to delete.
TEST_F(RecordsCommandTest, NoExportOrBackupWritesOverTheDatabaseItsJournalOrASafetyCopy) {
    const std::string name = fs::path(db).filename().string();
    const fs::path around = dir / "sub" / "..";
    const fs::path copy = dir / "backups" / "morvint-2009-06-17-100000.db";
    fs::create_directories(dir / "sub");
    fs::create_directories(copy.parent_path());
    ASSERT_EQ(Run("--backup " + ShellQuoted(copy)).exitCode, 1)
        << "the folder is refused before the file exists";
    fs::copy_file(db, copy);
    fs::create_symlink(db, dir / "link.db");
    fs::create_hard_link(db, dir / "sub" / "hard.db");
    const std::string database = Bytes(db);
    const std::string safetyCopy = Bytes(copy);
    const struct {
        fs::path target;
        const MessageText& why;
    } targets[] = {
        {db, Messages::kIsTheDatabase},
        {around / name, Messages::kIsTheDatabase},
        {dir / "link.db", Messages::kIsTheDatabase},
        {dir / "sub" / "hard.db", Messages::kIsTheDatabase},
        {db + "-journal", Messages::kIsTheJournal},
        {around / (name + "-wal"), Messages::kIsTheJournal},
        {copy, Messages::kIsASafetyCopy},
        {copy.parent_path() / "new.db", Messages::kIsASafetyCopy},
    };
    for (const Writer& writer : kWriters) {
        for (const auto& [target, why] : targets) {
            const ShellRun run = Run(writer.option + " " + ShellQuoted(target));
            EXPECT_EQ(run.exitCode, 1) << writer.option << " " << target;
            EXPECT_EQ(run.errors, FailureLine(FormatText(writer.head, FormatText(why, Quoted(target)))));
            EXPECT_EQ(run.output, "");
        }
    }
    EXPECT_EQ(Bytes(db), database);
    EXPECT_EQ(Bytes(copy), safetyCopy);
    EXPECT_EQ(std::distance(fs::directory_iterator(copy.parent_path()), {}), 1);
    EXPECT_FALSE(fs::exists(db + "-journal"));
    EXPECT_FALSE(fs::exists(db + "-wal"));
    EXPECT_EQ(RowsAsText(db, "SELECT count(*) FROM data_history"), (TextRows{{"2"}}));
}

// A file its owner made read-only is left as it is, as cp leaves it, and the message says why.
TEST_F(RecordsCommandTest, AReadOnlyFileIsRefusedAndKept) {
    const fs::path kept = dir / "kept.csv";
    std::ofstream(kept) << "the player's own\n";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const Writer& writer : kWriters) {
        const ShellRun run = Run(writer.option + " " + ShellQuoted(kept));
        EXPECT_EQ(run.exitCode, 1) << writer.option;
        EXPECT_EQ(run.errors,
                  FailureLine(FormatText(writer.head, FormatText(Messages::kWriteProtected, Quoted(kept)))));
    }
    EXPECT_EQ(Bytes(kept), "the player's own\n");
}

// "--backup -" is standard output, as for the CSV: a whole database into a file or a pipe, with what was done
// said beside it and no temporary file left; on a terminal it would only garble the screen, so it is refused.
TEST_F(RecordsCommandTest, ABackupGoesToStandardOutputButNotOntoATerminal) {
    const fs::path temporary = dir / "tmp";
    fs::create_directories(temporary);
    // Run in the test's folder, where a file named "-" would show.
    const std::string program = "cd " + ShellQuoted(dir) + " && TMPDIR=" + ShellQuoted(temporary) + " " +
                                ProgramWithoutDisplay("--backup - --database " + ShellQuoted(db));
    const ShellRun toFile = RunShell(program);
    EXPECT_EQ(toFile.exitCode, 0) << toFile.errors;
    EXPECT_EQ(toFile.errors, FormatText(Messages::kBackedUp, FormatText(Messages::kRecordCounts, 2, 0),
                                        Messages::kStandardOutput.text) +
                                 "\n");
    const fs::path copy = dir / "copy.db";
    std::ofstream(copy, std::ios::binary) << toFile.output;
    EXPECT_EQ(RowsAsText(copy.string(), "PRAGMA integrity_check"), (TextRows{{"ok"}}));
    EXPECT_EQ(RowsAsText(copy.string(), "SELECT count(*) FROM data_history"), (TextRows{{"2"}}));
    EXPECT_EQ(RunShell(program + " | cat").output, toFile.output) << "a pipe gets the same bytes";
    EXPECT_FALSE(fs::exists(dir / "-"));
    EXPECT_TRUE(fs::is_empty(temporary)) << "the temporary copy is removed";

    if (!HasTerminals()) {
        GTEST_SKIP() << "no pseudo-terminals here";
    }
    const ShellRun terminal = RunOnTerminal("--backup -");
    EXPECT_EQ(terminal.exitCode, 1);
    EXPECT_EQ(terminal.output,
              FormatText(Messages::kTerminalError, Messages::kBackupToTerminal.text) + "\r\n");
}

// A stored field can hold escape sequences (written by another program, or a restored file): on a terminal
// they are shown as escapes, not obeyed; a pipe or a file gets the records as they are stored.
TEST_F(RecordsCommandTest, RecordsOnATerminalShowTheirControlBytesAsEscapes) {
    RunSql(db,
           "UPDATE data_history SET open_order = char(27) || ']2;owned' || char(7) || char(27) || '[2J' "
           "WHERE record_order = 1");
    EXPECT_NE(Run("--export-csv -").output.find("\x1B]2;owned\x07\x1B[2J"), std::string::npos);
    if (!HasTerminals()) {
        GTEST_SKIP() << "no pseudo-terminals here";
    }
    const ShellRun terminal = RunOnTerminal("--export-csv -");
    EXPECT_EQ(terminal.exitCode, 0);
    EXPECT_NE(terminal.output.find("2009-06-17,\\x1B]2;owned\\x07\\x1B[2J,123"), std::string::npos)
        << terminal.output;
    EXPECT_EQ(terminal.output.find('\x1B'), std::string::npos);
    EXPECT_EQ(terminal.output.find('\x07'), std::string::npos);
}

// Another program holds the database locked (the sqlite3 tool in a transaction, say): the run waits out the
// busy timeout and says that the file is locked, not that it cannot be opened; once let go, it works.
TEST_F(RecordsCommandTest, AFileLockedByAnotherProgramIsSaidToBeLockedAndWorksOnceLetGo) {
    CSqliteConnection holder;
    ASSERT_TRUE(holder.OpenExisting(db));
    ASSERT_TRUE(holder.Execute("BEGIN EXCLUSIVE"));
    const ShellRun locked = Run("--export-csv -");
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.errors, FailureLine(Messages::kDatabaseLocked.text));
    EXPECT_EQ(locked.output, "");

    ASSERT_TRUE(holder.Execute("ROLLBACK"));
    const ShellRun exported = Run("--export-csv -");
    EXPECT_EQ(exported.exitCode, 0) << exported.errors;
}

// Two archives at once: this copy loaded the records, then the other running copy (the command line) archived
// first. The loser says that the records were changed by another running copy and that nothing was archived,
// instead of a failed write; the file keeps the winner's archive only.
TEST_F(RecordsCommandTest, TheLoserOfTwoArchivesSaysTheOtherCopyChangedTheRecords) {
    RunSql(db, "UPDATE data_history SET open_data = '345', is_right = 5 WHERE record_order = 1");
    CPredictStore loser;
    EXPECT_EQ(loser.OpenDatabase(db), OpenOutcome::opened);
    loser.LoadHistory();
    ASSERT_EQ(Run("--archive 1").exitCode, 0);

    QString message;
    EXPECT_FALSE(ArchiveOldest(loser, 1, message));

    EXPECT_EQ(message.toStdString(), Messages::kArchiveChangedMeanwhile.text);
    EXPECT_EQ(RowsAsText(db, "SELECT count(*) FROM data_archive"), (TextRows{{"1"}}));
    EXPECT_EQ(loser.RecordSlots(), std::vector<int>{1}) << "the loser read the file again";
}

}  // namespace
