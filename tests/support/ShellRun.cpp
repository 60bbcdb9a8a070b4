// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ShellRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string ReadAndRemove(const fs::path& file) {
    std::string text;
    {
        std::ifstream in(file, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::error_code ec;
    fs::remove(file, ec);
    return text;
}

}  // namespace

ShellRun RunShell(const std::string& commandLine) {
    static int runs = 0;
    const fs::path base = fs::temp_directory_path() /
                          ("morvint-run-" + std::to_string(::getpid()) + "-" + std::to_string(++runs));
    const fs::path out = base.string() + ".out";
    const fs::path err = base.string() + ".err";
    const std::string command =
        "(" + commandLine + ") </dev/null >" + ShellQuoted(out) + " 2>" + ShellQuoted(err);
    const int status = std::system(command.c_str());
    ShellRun run;
    run.exitCode = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadAndRemove(out);
    run.errors = ReadAndRemove(err);
    return run;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ProgramWithoutDisplay(const std::string& arguments) {
    return std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + MORVINT_PROGRAM_DIR +
           "/morvint " + arguments;
}
