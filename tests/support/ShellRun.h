// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a command line through /bin/sh, as a user at a terminal would, and hands back what it wrote to each
// stream and how it ended: the tests of the built program's command line and of what it does without a
// window.
#include <string>

struct ShellRun {
    std::string output;  // standard output
    std::string errors;  // standard error
    int exitCode = -1;   // -1 when the command did not end by itself
};

// commandLine as sh reads it; its standard input is empty.
ShellRun RunShell(const std::string& commandLine);

// text in single quotes for sh, whatever it holds.
std::string ShellQuoted(const std::string& text);

// The built program, with no display and no Qt platform named, as on a server or a text console, followed
// by the (already quoted) arguments.
std::string ProgramWithoutDisplay(const std::string& arguments);
