// --export-csv and --import-draws from a terminal, run as the built program with no display: what goes in
// and out, and what happens at the edges a hostile or unlucky user reaches: a full disk, a device or a pipe
// instead of a file, endless input, a name that is no UTF-8, and a file that tries to act on the terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/MessageTexts.h"
#include "shell/Backups.h"
#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
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

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class RecordsCommandTest : public ::testing::Test {
protected:
    // Two predictions: 2009-06-17 (drawn) and 2099-06-18 (still to come).
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "morvint-command-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
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
// the draw date is a real date shown yyyy-mm-dd, the title row is bold and stays in view, the hits have the
// records list's colours, and the statistics sheet has the window's tables and sentences.
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

    const ShellRun read =
        RunShell(ShellQuoted(MORVINT_SOURCE_DIR "/tests/support/ReadWorkbook.py") + " " + ShellQuoted(xlsx));
    ASSERT_EQ(read.exitCode, 0) << read.errors;
    for (const std::string& line : std::vector<std::string>{
             "sheets: 预测记录,统计",
             "预测记录 frozen: A2",
             "预测记录 widths: A=12.7109 B=7.71094 C=10.7109",  // a date, an issue, a code under its title
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
             "统计!A5 s 已保存预测 | General | bold | \n统计!B5 s 3 条",
             "统计!B9 s 命中 | General | bold | ",
             "统计!A10 s 直选（正确） | General | bold | \n统计!B10 s 1 | General |  | \n统计!C10 s 50.00%",
             "统计!I13 s 第八组 | General | bold | ",
             "统计!A17 s 假如每期都买",
             "统计!A19 s 直选 | General | bold | \n统计!B19 s 16 | General |  | \n统计!C19 s 32 元",
             "统计!A22 s " + Opening(Messages::kChanceFacts, 2, 1),
             "统计!A23 s " + Opening(Messages::kLedger, 2, 32),
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
    loser.OpenDatabase(db);
    loser.LoadHistory();
    ASSERT_EQ(Run("--archive 1").exitCode, 0);

    QString message;
    EXPECT_FALSE(ArchiveOldest(loser, 1, message));

    EXPECT_EQ(message.toStdString(), Messages::kArchiveChangedMeanwhile.text);
    EXPECT_EQ(RowsAsText(db, "SELECT count(*) FROM data_archive"), (TextRows{{"1"}}));
    EXPECT_EQ(loser.RecordSlots(), std::vector<int>{1}) << "the loser read the file again";
}

}  // namespace
