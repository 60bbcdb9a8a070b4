// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file could not be read or written, in the program's own Chinese words: the system's reasons (errno)
// are named here instead of being passed on in the system's English.
#include <QString>
#include <string>

#include "store/RegularFile.h"

// The reason for an errno, as a short phrase (Messages::kDiskFull, kNoPermission …).
QString SystemReason(int errorNumber);

// A file name as a message shows it: in quotes, cut short if it is very long, with control characters
// escaped so that it cannot break the message's lines.
QString QuotedFileName(const std::string& path);

// Why a file could not be written at path, as the rest of a sentence (Messages::kCannotWrite …). hadFile: a
// file was there before, and the sentence says it is unchanged.
QString WriteFailureText(const std::string& path, const FileOutcome& outcome, bool hadFile);

// Why nothing may be written at path, the program's own database being at databasePath: it is the database,
// its journal or a safety copy (store/DatabaseBackup.h ProtectionOf), in a sentence; empty when it may be.
QString ProtectedFileText(const std::string& databasePath, const std::string& path);

// The whole sentence for a failed export (Messages::kExportFailed) or read (kCannotRead …) of path.
QString ExportFailureText(const std::string& path, const FileOutcome& outcome, bool hadFile);
QString ReadFailureText(const std::string& path, const FileOutcome& outcome);
