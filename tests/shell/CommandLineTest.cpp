// The command line: what each option asks for, what is refused, and that the program answers --help,
// --version and a mistyped option on a machine with no display at all.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/CommandLine.h"
#include "tests/support/FixedClock.h"

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
}

}  // namespace
