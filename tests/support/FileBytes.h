// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole content of a file, byte for byte, as the tests compare what a command left in place.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Empty when the file cannot be read.
inline std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
