// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ui/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool StartsWith(const char* entry, std::string_view prefix) {
    return std::string_view(entry).substr(0, prefix.size()) == prefix;
}

// The platform the children draw on: offscreen, unless MORVINT_BENCH_QPA names another (xcb, with DISPLAY
// set, for the figures on a real X server).
std::string ChildPlatform() {
    const char* chosen = std::getenv("MORVINT_BENCH_QPA");
    return chosen != nullptr && *chosen != '\0' ? chosen : "offscreen";
}

// The benchmark's own environment with the ready pipe and the platform added. Settings go to the run's
// folder: a benchmark reads none of the user's and writes none into the user's home.
std::vector<std::string> ChildEnvironment(int readyFd, const std::string& folder) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!StartsWith(*entry, "MORVINT_READY_FD=") && !StartsWith(*entry, "QT_QPA_PLATFORM=") &&
            !StartsWith(*entry, "XDG_CONFIG_HOME=")) {
            environment.emplace_back(*entry);
        }
    }
    environment.push_back("MORVINT_READY_FD=" + std::to_string(readyFd));
    environment.push_back("QT_QPA_PLATFORM=" + ChildPlatform());
    environment.push_back("XDG_CONFIG_HOME=" + folder + "/config");
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder) {
    ChildRun run;
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        run.error = "pipe: " + std::string(std::strerror(errno));
        return run;
    }
    // Only the write end goes to the child, under a number without close-on-exec.
    const int childFd = ::fcntl(ready[1], F_DUPFD, 10);
    ::close(ready[1]);

    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = ChildEnvironment(childFd, folder);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(envp);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argvPointers.data(), envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(childFd);
    if (spawned != 0) {
        ::close(ready[0]);
        run.error = program + ": " + std::strerror(spawned);
        return run;
    }

    char byte = 0;
    const bool signalled = ::read(ready[0], &byte, 1) == 1;
    run.readySeconds = SecondsSince(start);
    // A second byte marks the click on 退出; without one the read ends when the process does.
    double clickSeconds = -1;
    if (signalled && ::read(ready[0], &byte, 1) == 1 && byte == 'C') {
        clickSeconds = SecondsSince(start);
    }
    ::close(ready[0]);

    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.finishedSeconds = SecondsSince(start);
    if (clickSeconds >= 0) {
        run.clickToEndSeconds = run.finishedSeconds - clickSeconds;
    }
    run.peakResidentKb = usage.ru_maxrss;
    run.ok = signalled && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok) {
        run.error = program + (signalled ? " failed" : " ended before its window was painted") + " (status " +
                    std::to_string(status) + ")";
    }
    return run;
}
