// SPDX-License-Identifier: GPL-3.0-or-later
// morvint_emptydb [--keep-existing] <file>
// Writes the empty database a new installation starts with. It never overwrites: an existing file is an
// error, or, with --keep-existing (how the build calls it), left alone without complaint.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "tools/emptydb/EmptyDatabase.h"

int main(int argc, char** argv) {
    const bool keepExisting = argc == 3 && std::strcmp(argv[1], "--keep-existing") == 0;
    if (argc != 2 && !keepExisting) {
        std::cerr << "usage: morvint_emptydb [--keep-existing] <file>\n";
        return 2;
    }
    const std::string path = argv[argc - 1];
    std::error_code ec;
    if (keepExisting &&
        std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) {
        return 0;
    }
    std::string error;
    if (!WriteEmptyDatabase(path, error)) {
        std::cerr << "morvint_emptydb: " << error << '\n';
        return 1;
    }
    return 0;
}
