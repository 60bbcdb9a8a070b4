// The command line: what each option asks for, what is refused, and that the program answers --help,
// --version and a mistyped option on a machine with no display at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/CommandLine.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestDatabase.h"

namespace {

TEST(CommandLineTest, EachOptionIsReadAndQtsOwnOptionsPassThrough) {
    EXPECT_EQ(ParseCommandLine({}).edition, std::nullopt);
    EXPECT_EQ(ParseCommandLine({"--classic"}).edition, CalendarEdition::Classic);
    EXPECT_EQ(ParseCommandLine({"--extended"}).edition, CalendarEdition::Extended);
    EXPECT_TRUE(ParseCommandLine({"--help"}).showHelp);
    EXPECT_TRUE(ParseCommandLine({"--version"}).showVersion);

    const CommandLine withQt =
        ParseCommandLine({"-platform", "offscreen", "--extended", "--style", "Fusion"});
    EXPECT_EQ(withQt.error, "");
    EXPECT_EQ(withQt.edition, CalendarEdition::Extended);
}

TEST(CommandLineTest, TheDatabaseFileIsTheNextArgumentOrFollowsAnEqualsSign) {
    EXPECT_EQ(ParseCommandLine({}).database, "");
    const CommandLine separate = ParseCommandLine({"--database", "/tmp/试用 1.db", "--classic"});
    EXPECT_EQ(separate.error, "");
    EXPECT_EQ(separate.database, "/tmp/试用 1.db");
    EXPECT_EQ(separate.edition, CalendarEdition::Classic);
    EXPECT_EQ(ParseCommandLine({"--database=other.db"}).database, "other.db");
    // A file whose name looks like an option is still a file.
    EXPECT_EQ(ParseCommandLine({"--database", "--classic"}).database, "--classic");

    const CommandLine exporting = ParseCommandLine({"--export-csv=记录.csv", "--database", "a.db"});
    EXPECT_EQ(exporting.exportCsv, "记录.csv");
    EXPECT_TRUE(IsRecordsCommand(exporting));
    EXPECT_EQ(ParseCommandLine({"--import-draws", "draws.txt"}).importDraws, "draws.txt");
    EXPECT_FALSE(IsRecordsCommand(separate));
}

TEST(CommandLineTest, WhatCannotBeUsedIsNamedInTheError) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--clasic"}, "未知的选项“--clasic”。"},
        {{"--classic", "--extended"}, "--classic 与 --extended 只能选用一个。"},
        {{"-style"}, "选项“-style”后面缺少参数。"},
        {{"morvint.db"}, "多余的参数“morvint.db”：本程序不打开文件。"},
        {{"--database"}, "选项“--database”后面缺少参数。"},
        {{"--database="}, "选项“--database”后面缺少参数。"},
        {{"--database", ""}, "选项“--database”后面缺少参数。"},
        {{"--databases"}, "未知的选项“--databases”。"},
        {{"--import-draws"}, "选项“--import-draws”后面缺少参数。"},
        {{"--export-csv", "a.csv", "--import-draws", "b.txt"},
         "--export-csv 与 --import-draws 只能选用一个。"},
    };
    for (const auto& [arguments, error] : cases) {
        EXPECT_EQ(ParseCommandLine(arguments).error, error) << arguments.front();
    }
    // The same edition twice is no contradiction.
    EXPECT_EQ(ParseCommandLine({"--classic", "--classic"}).error, "");
}

TEST(CommandLineTest, TheEditionFollowsTodayUnlessOneIsForced) {
    FixedClock lastClassicDay(2011, 12, 31, 23, 59, 59);
    EXPECT_EQ(ChosenCalendarEdition({}), CalendarEdition::Classic);
    lastClassicDay.Advance(1);  // 2012-01-01 00:00:00
    EXPECT_EQ(ChosenCalendarEdition({}), CalendarEdition::Extended);
    EXPECT_EQ(ChosenCalendarEdition(ParseCommandLine({"--classic"})), CalendarEdition::Classic);
}

struct ProgramRun {
    std::string output;
    int exitCode = -1;
};

// Runs the built program with no display and no Qt platform named, as on a server or a text console.
ProgramRun RunWithoutDisplay(const std::string& arguments) {
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                                MORVINT_PROGRAM_DIR + "/morvint " + arguments + " 2>&1";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CommandLineTest, TheProgramAnswersWithoutADisplay) {
    const ProgramRun help = RunWithoutDisplay("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, UsageText());

    const ProgramRun version = RunWithoutDisplay("--classic --version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, VersionText(CalendarEdition::Classic));
    EXPECT_EQ(version.output.rfind("Quintara V4.3\n", 0), 0u);

    const ProgramRun mistyped = RunWithoutDisplay("--extnded");
    EXPECT_EQ(mistyped.exitCode, 2);
    EXPECT_EQ(mistyped.output, ErrorText("未知的选项“--extnded”。"));

    // A start that needs a window says why it cannot have one, instead of Qt's abort (exit 134).
    const ProgramRun start = RunWithoutDisplay("--classic");
    EXPECT_EQ(start.exitCode, 2);
    EXPECT_EQ(start.output, NoDisplayText());
}

TEST(CommandLineTest, APlatformNamedOnTheCommandLineCountsAsADisplay) {
    EXPECT_TRUE(ParseCommandLine({"-platform", "offscreen"}).namesDisplay);
    EXPECT_TRUE(ParseCommandLine({"--display", ":5"}).namesDisplay);
    EXPECT_FALSE(ParseCommandLine({"-style", "fusion"}).namesDisplay);
}

// Import, then export, from a terminal: the draws go into the named database and come out in the CSV.
TEST(CommandLineTest, TheRecordsAreImportedAndExportedWithoutADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string db = dir.filePath("试用.db").toStdString();
    ASSERT_TRUE(WriteFreshDatabase(db));
    RunSql(
        db,
        "INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
        "data_5, data_6, data_7, data_8, open_data) VALUES "
        "(1, '2009-06-17 10:00:00', '09161', '123', '456', '789', '012', '345', '678', '901', '234', '未知'),"
        "(2, '2099-06-18 10:00:00', '09162', '111', '222', '333', '444', '555', '666', '777', '888', "
        "'未知')");
    const std::string draws = dir.filePath("draws.txt").toStdString();
    std::ofstream(draws) << "09161,345\n09162,111\n";
    const std::string csv = dir.filePath("records.csv").toStdString();
    const std::string database = " --database '" + db + "'";

    const ProgramRun import = RunWithoutDisplay("--import-draws '" + draws + "'" + database);
    EXPECT_EQ(import.exitCode, 1) << "a refused line makes the run fail";
    EXPECT_EQ(import.output, "录入开奖号码 1 个，拒绝 1 行。\n第2行：还未到开奖时间。\n");

    const ProgramRun exported = RunWithoutDisplay("--export-csv '" + csv + "'" + database);
    EXPECT_EQ(exported.exitCode, 0) << exported.output;
    std::ifstream in(csv, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\r\n2009-06-17,09161,123,456,789,012,345,678,901,234,345,正确\r\n"),
              std::string::npos)
        << text;

    const ProgramRun unwritable =
        RunWithoutDisplay("--export-csv '" + dir.path().toStdString() + "'" + database);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.output.starts_with("morvint：无法写入文件")) << unwritable.output;
}

}  // namespace
