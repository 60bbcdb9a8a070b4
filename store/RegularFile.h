// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the records go out to and the draws come in from. Only regular files are read or replaced: a
// device or a pipe may feed an endless stream, block an open for ever, or (for root) be swapped for a plain
// file, which would replace /dev/null itself. A replaced file is written in full beside the old one first, so
// a full disk, a cut power line or a killed process leaves the old file byte for byte as it was.
//
// Nothing here shows a message: the outcome says what went wrong, and the caller chooses the words.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

struct [[nodiscard]] FileOutcome {
    enum class Kind {
        ok,
        notRegular,      // a folder, a device, a pipe, a socket, or a link that leads nowhere
        tooLarge,        // more bytes than the reader's limit
        writeProtected,  // a file its owner made read-only (or that is not ours to write): never replaced
        system           // the system refused; error holds its errno
    };
    Kind kind = Kind::ok;
    int error = 0;

    bool Ok() const { return kind == Kind::ok; }
    static FileOutcome System(int errorNumber) { return {Kind::system, errorNumber}; }
};

// The whole of a regular file, if it holds at most limit bytes. Never blocks on a pipe without a writer and
// never reads more than limit + 1 bytes, whatever is at path.
FileOutcome ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

// Puts a new file at path in place of the old one (or makes it), once write has filled it completely: write
// gets the path of the new file, in the same folder, and returns 0 or an errno. The new file takes the old
// one's permissions (a file made new gets the usual ones); a link is followed, so the file it names is
// replaced and the link stays. A file without write permission is refused, as cp and editors refuse it,
// even for root: it was protected on purpose, and the rename beside it would otherwise ignore that. On any
// failure, nothing at path changes and the new file is removed.
FileOutcome ReplaceRegularFile(const std::string& path,
                               const std::function<int(const std::string& newFile)>& write);

// The step under ReplaceRegularFile, for a file that gets a name of its own: write fills a new file in
// folder, made under a temporary name of the program's own; once it is synced, place gives it its final name
// (a rename) and returns 0 or an errno. Whatever happens, the temporary name is gone at the end. Leftovers of
// copies of the program killed meanwhile in folder are removed first (RemoveLeftoverNewFiles).
FileOutcome WriteNewFileThenPlace(const std::string& folder,
                                  const std::function<int(const std::string& newFile)>& write,
                                  const std::function<int(const std::string& newFile)>& place);

// The number the program wrote into one of its file names: a whole number of at most nine digits that is
// all of text, or -1 when text is anything else (no sign, no spaces, nothing that could overflow).
long long NumberInName(std::string_view text);

// Removes from folder the temporary files that copies of the program killed while writing left behind, with
// the journals SQLite kept beside them: only names of exactly the form the program gives them, and only once
// the process that made the file is gone and no one holds the file's lock. A file another running copy is
// still writing stays, whichever process namespace that copy runs in.
void RemoveLeftoverNewFiles(const std::string& folder);

// ReplaceRegularFile with these bytes as the new content, each write and the flush to the disk checked.
FileOutcome ReplaceRegularFileWith(const std::string& path, const std::string& bytes);

// Writes all of bytes to an open file descriptor (such as standard output): 0, or the errno of the failure.
int WriteAll(int fd, const std::string& bytes);
