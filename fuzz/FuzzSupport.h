// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzzer needs: a check that stops the run where it fails, and a scratch file of its own that the
// input is written to.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// A broken promise stops the fuzzer at once, where the input that broke it is saved.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A file for this fuzzing process alone ("<stem>-<pid>.db"), in memory when the machine offers it, as the
// fuzzers rewrite it on every input.
inline std::string ScratchFilePath(const std::string& stem) {
    std::error_code ec;
    const std::filesystem::path folder =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (folder / (stem + "-" + std::to_string(::getpid()) + ".db")).string();
}

// The fuzzer's input as the whole content of the file at path.
inline bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
