// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --export-csv, --export-xlsx, --import-draws, --backup, --restore and --archive: work on the records from a
// terminal or a script, with no window and no display. Messages go to the terminal; the exit code says
// whether it all worked.
#include "shell/CommandLine.h"

// Runs the command the line asks for on the database a start would open (or --database). A
// QCoreApplication must exist. Returns 0, or kExitFailure after saying what went wrong.
int RunRecordsCommand(const CommandLine& commandLine);
