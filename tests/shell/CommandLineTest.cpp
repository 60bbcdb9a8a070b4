// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what each option asks for, what is refused, and that the program answers --help,
// --version and a mistyped option on a machine with no display at all.
#include <gtest/gtest.h>

#include <QByteArray>
#include <regex>
#include <string>
#include <vector>

#include "core/MessageTexts.h"
#include "shell/CommandLine.h"
#include "shell/DatabaseLocation.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ShellRun.h"

namespace {

TEST(CommandLineTest, EachOptionIsReadAndQtsOwnOptionsPassThrough) {
    EXPECT_EQ(ParseCommandLine({}).edition, std::nullopt);
    EXPECT_EQ(ParseCommandLine({"--classic"}).edition, CalendarEdition::Classic);
    EXPECT_EQ(ParseCommandLine({"--extended"}).edition, CalendarEdition::Extended);
    EXPECT_TRUE(ParseCommandLine({"--help"}).showHelp);
    EXPECT_TRUE(ParseCommandLine({"-h"}).showHelp);
    EXPECT_TRUE(ParseCommandLine({"--version"}).showVersion);

    // Qt's options in every form Qt itself takes them: one dash or two, the value next or after '='.
    const CommandLine withQt = ParseCommandLine({"-platform", "offscreen", "--extended", "--style", "Fusion",
                                                 "-style=Fusion", "-nograb", "--reverse", "-qwindowtitle",
                                                 "t", "-qmljsdebugger=port:1234", "--stylesheet=a.qss"});
    EXPECT_EQ(withQt.error, "");
    EXPECT_EQ(withQt.edition, CalendarEdition::Extended);
    EXPECT_EQ(ParseCommandLine({"--classic", "--"}).error, "");
}

TEST(CommandLineTest, TheFileIsTheNextArgumentOrFollowsAnEqualsSign) {
    EXPECT_EQ(ParseCommandLine({}).database, "");
    const CommandLine separate = ParseCommandLine({"--database", "/tmp/试用 1.db", "--classic"});
    EXPECT_EQ(separate.error, "");
    EXPECT_EQ(separate.database, "/tmp/试用 1.db");
    EXPECT_EQ(separate.edition, CalendarEdition::Classic);
    EXPECT_EQ(ParseCommandLine({"--database=other.db"}).database, "other.db");
    // A name that starts with a dash is given after '=', so that it cannot be taken for the next option.
    EXPECT_EQ(ParseCommandLine({"--database=--classic"}).database, "--classic");

    const CommandLine exporting = ParseCommandLine({"--export-csv=记录.csv", "--database", "a.db"});
    EXPECT_EQ(exporting.exportCsv, "记录.csv");
    EXPECT_TRUE(IsRecordsCommand(exporting));
    EXPECT_EQ(ParseCommandLine({"--export-csv", "-"}).exportCsv, "-") << "standard output";
    EXPECT_EQ(ParseCommandLine({"--import-draws", "draws.txt"}).importDraws, "draws.txt");
    const CommandLine workbook = ParseCommandLine({"--export-xlsx", "记录.xlsx"});
    EXPECT_EQ(workbook.exportXlsx, "记录.xlsx");
    EXPECT_TRUE(IsRecordsCommand(workbook));
    EXPECT_FALSE(IsRecordsCommand(separate));
}

TEST(CommandLineTest, WhatCannotBeUsedIsNamedInTheError) {
    using Messages::kMissingValue, Messages::kUnknownOption, Messages::kExtraArgument, Messages::kOptionTwice,
        Messages::kOnlyOneOf;
    const std::string missingCsv = FormatText(kMissingValue, "--export-csv");
    const std::string missingDatabase = FormatText(kMissingValue, "--database");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--clasic"}, FormatText(kUnknownOption, "--clasic")},
        {{"--classic", "--extended"}, FormatText(kOnlyOneOf, "--classic", "--extended")},
        {{"-style"}, FormatText(kMissingValue, "-style")},
        {{"-platform=offscreen"}, FormatText(kUnknownOption, "-platform=offscreen")},
        {{"morvint.db"}, FormatText(kExtraArgument, "morvint.db")},
        {{"--", "--classic"}, FormatText(kExtraArgument, "--classic")},
        {{"--database"}, missingDatabase},
        {{"--database="}, missingDatabase},
        {{"--database", ""}, missingDatabase},
        {{"--databases"}, FormatText(kUnknownOption, "--databases")},
        {{"--classic=yes"}, FormatText(Messages::kFlagWithValue, "classic")},
        {{"--import-draws"}, FormatText(kMissingValue, "--import-draws")},
        {{"--export-csv", "--help"}, missingCsv + FormatText(Messages::kValueIsOption, "--help")},
        {{"--database", "--classic"}, missingDatabase + FormatText(Messages::kValueIsOption, "--classic")},
        {{"--export-csv", "a.csv", "--export-csv", "b.csv"}, FormatText(kOptionTwice, "--export-csv")},
        {{"--database=a.db", "--database", "b.db"}, FormatText(kOptionTwice, "--database")},
        {{"--export-csv", "a.csv", "--import-draws", "b.txt"},
         FormatText(kOnlyOneOf, "--export-csv", "--import-draws")},
        {{"--export-xlsx", "a.xlsx", "--export-csv", "b.csv"},
         FormatText(kOnlyOneOf, "--export-csv", "--export-xlsx")},
        {{"--export-xlsx", "-"}, Messages::kWorkbookToStandardOutput.text},
        {{"--export-csv", "\xB2\xE2.csv"}, FormatText(Messages::kArgumentNotUtf8, "\\xB2\\xE2.csv")},
        {{"--\x1B]2;x\x07"}, FormatText(kUnknownOption, "--\\x1B]2;x\\x07")},
    };
    for (const auto& [arguments, error] : cases) {
        EXPECT_EQ(ParseCommandLine(arguments).error, error) << arguments.back();
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

TEST(CommandLineTest, TheProgramAnswersWithoutADisplay) {
    const ShellRun help = RunShell(ProgramWithoutDisplay("--help"));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, UsageText());

    const ShellRun version = RunShell(ProgramWithoutDisplay("--classic --version"));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, VersionText(CalendarEdition::Classic));
    // The version numbers the build: 4.3.0+<commits>.g<commit>, or 4.3.0 from a tree without git.
    const std::string shape = FormatText(Messages::kVersion, "4\\.3\\.0(\\+[0-9]+\\.g[0-9a-f]{8})?", ".*");
    EXPECT_TRUE(std::regex_match(version.output, std::regex(shape))) << version.output;

    const ShellRun mistyped = RunShell(ProgramWithoutDisplay("--extnded"));
    EXPECT_EQ(mistyped.exitCode, 2);
    EXPECT_EQ(mistyped.errors, ErrorText(FormatText(Messages::kUnknownOption, "--extnded")));
    EXPECT_EQ(RunShell(ProgramWithoutDisplay("-style=Fusion --version")).exitCode, 0);

    // A start that needs a window says why it cannot have one, instead of Qt's abort (exit 134).
    const ShellRun start = RunShell(ProgramWithoutDisplay("--classic"));
    EXPECT_EQ(start.exitCode, 2);
    EXPECT_EQ(start.errors, NoDisplayText());
}

TEST(CommandLineTest, APlatformNamedOnTheCommandLineCountsAsADisplay) {
    EXPECT_TRUE(ParseCommandLine({"-platform", "offscreen"}).namesDisplay);
    EXPECT_TRUE(ParseCommandLine({"--display", ":5"}).namesDisplay);
    EXPECT_FALSE(ParseCommandLine({"-style", "fusion"}).namesDisplay);
}

// The XDG rules call a relative folder invalid: the program must not put the player's data under whatever
// folder it was started from.
TEST(CommandLineTest, RelativeXdgFoldersAreIgnored) {
    qputenv("XDG_DATA_HOME", "data");
    qputenv("XDG_CONFIG_HOME", "/tmp/config");
    IgnoreRelativeXdgFolders();
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_DATA_HOME"));
    EXPECT_EQ(qgetenv("XDG_CONFIG_HOME"), QByteArray("/tmp/config"));
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
