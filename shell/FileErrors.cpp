// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FileErrors.h"

#include <cerrno>
#include <utility>

#include "core/Utf8Text.h"
#include "shell/QtMessageTexts.h"
#include "store/DatabaseBackup.h"

namespace {

constexpr std::size_t kShownNameCharacters = 160;

struct Reason {
    int error;
    const MessageText& words;
};

// The failures a user can meet with a file they picked; anything rarer is named by its number.
constexpr Reason kReasons[] = {
    {ENOSPC, Messages::kDiskFull},          {EDQUOT, Messages::kOverQuota},
    {EACCES, Messages::kNoPermission},      {EPERM, Messages::kNoPermission},
    {EROFS, Messages::kReadOnlyDisk},       {ENOENT, Messages::kNoSuchFile},
    {ENOTDIR, Messages::kPathNotFolder},    {EISDIR, Messages::kIsFolder},
    {ENAMETOOLONG, Messages::kNameTooLong}, {ELOOP, Messages::kTooManyLinks},
    {EFBIG, Messages::kFileTooLarge},       {EIO, Messages::kDiskError},
    {EMFILE, Messages::kTooManyOpenFiles},  {ENFILE, Messages::kTooManyOpenFiles},
    {EBUSY, Messages::kFileBusy},           {ETXTBSY, Messages::kFileBusy},
    {EPIPE, Messages::kReaderClosed},       {EBADF, Messages::kNotWritable},
    {ENXIO, Messages::kNoDevice},           {EAGAIN, Messages::kTryLater},
};

}  // namespace

QString SystemReason(int errorNumber) {
    for (const Reason& reason : kReasons) {
        if (reason.error == errorNumber) {
            return TextOf(reason.words);
        }
    }
    return TextOf(Messages::kSystemError).arg(errorNumber);
}

QString QuotedFileName(const std::string& path) {
    return QStringLiteral("“%1”").arg(QString::fromStdString(EchoText(path, kShownNameCharacters)));
}

QString WriteFailureText(const std::string& path, const FileOutcome& outcome, bool hadFile) {
    if (outcome.kind == FileOutcome::Kind::notRegular) {
        return TextOf(Messages::kNotRegularForWriting).arg(QuotedFileName(path));
    }
    if (outcome.kind == FileOutcome::Kind::writeProtected) {
        return TextOf(Messages::kWriteProtected).arg(QuotedFileName(path));
    }
    return TextOf(Messages::kCannotWrite).arg(QuotedFileName(path), SystemReason(outcome.error)) +
           (hadFile ? TextOf(Messages::kFileUnchanged) : QString());
}

QString ProtectedFileText(const std::string& databasePath, const std::string& path) {
    switch (ProtectionOf(databasePath, path)) {
        case ProtectedFile::none:
            break;
        case ProtectedFile::database:
            return TextOf(Messages::kIsTheDatabase).arg(QuotedFileName(path));
        case ProtectedFile::companion:
            return TextOf(Messages::kIsTheJournal).arg(QuotedFileName(path));
        case ProtectedFile::safetyCopy:
            return TextOf(Messages::kIsASafetyCopy).arg(QuotedFileName(path));
    }
    return {};
}

QString ExportFailureText(const std::string& path, const FileOutcome& outcome, bool hadFile) {
    return TextOf(Messages::kExportFailed).arg(WriteFailureText(path, outcome, hadFile));
}

QString ReadFailureText(const std::string& path, const FileOutcome& outcome) {
    switch (outcome.kind) {
        case FileOutcome::Kind::notRegular:
            return TextOf(Messages::kNotRegularForReading).arg(QuotedFileName(path));
        case FileOutcome::Kind::tooLarge:
            return TextOf(Messages::kDrawsFileTooLarge).arg(QuotedFileName(path));
        case FileOutcome::Kind::system:
        case FileOutcome::Kind::writeProtected:
        case FileOutcome::Kind::ok:
            break;
    }
    return TextOf(Messages::kCannotRead).arg(QuotedFileName(path), SystemReason(outcome.error));
}
