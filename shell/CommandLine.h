// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line. It is read before any window exists, so --help, --version and a mistyped option
// answer on a machine without a display. Qt's own options (-platform, -style, ...) pass through untouched.
#include <optional>
#include <string>
#include <vector>

#include "core/CalendarEdition.h"

struct CommandLine {
    std::optional<CalendarEdition> edition;  // forced by --classic or --extended
    std::string database;                    // the file --database names; empty: the usual places
    std::string exportCsv;                   // --export-csv: write the records to this file, then end
    std::string exportXlsx;                  // --export-xlsx: write them as an Excel workbook, then end
    std::string importDraws;                 // --import-draws: enter the draws of this file, then end
    std::string backup;                      // --backup: copy the database to this file, then end
    std::string restore;                     // --restore: replace the database with this backup, then end
    int archive = 0;                         // --archive: archive this many of the oldest records, then end
    std::string archiveCount;                // --archive as typed
    bool showHelp = false;
    bool showVersion = false;
    bool namesDisplay = false;  // -platform or -display: Qt is told where to show the windows
    std::string error;  // set when the line cannot be used; the program then says so and ends with code 2
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The edition a start runs with: the forced one, else the one today's date (the clock seam) calls for.
CalendarEdition ChosenCalendarEdition(const CommandLine& commandLine);

// What --help and --version print, and the two lines an unusable command line ends with.
std::string UsageText();
std::string VersionText(CalendarEdition edition);
std::string ErrorText(const std::string& error);

// Whether a start can show its windows: a display in the environment (DISPLAY, WAYLAND_DISPLAY), a Qt
// platform named there (QT_QPA_PLATFORM) or on the command line. Without one Qt would abort.
bool HasDisplay(const CommandLine& commandLine);
// What a start without any display says before it ends with kExitUsage.
std::string NoDisplayText();

// Asks for work on the records that ends without opening a window (--export-csv, --export-xlsx,
// --import-draws, --backup, --restore, --archive).
bool IsRecordsCommand(const CommandLine& commandLine);

// Exit codes of a start that ends without opening a window.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
