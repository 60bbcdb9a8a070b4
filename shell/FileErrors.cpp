#include "shell/FileErrors.h"

#include <cerrno>
#include <utility>

#include "core/Utf8Text.h"

namespace {

constexpr std::size_t kShownNameCharacters = 160;

struct Reason {
    int error;
    const char* words;
};

// The failures a user can meet with a file they picked; anything rarer is named by its number.
constexpr Reason kReasons[] = {
    {ENOSPC, "磁盘已满"},
    {EDQUOT, "超出了磁盘配额"},
    {EACCES, "没有权限"},
    {EPERM, "没有权限"},
    {EROFS, "所在的磁盘只能读取"},
    {ENOENT, "文件或文件夹不存在"},
    {ENOTDIR, "路径中有一部分不是文件夹"},
    {EISDIR, "这是一个文件夹"},
    {ENAMETOOLONG, "文件名太长"},
    {ELOOP, "符号链接层数太多"},
    {EFBIG, "文件太大"},
    {EIO, "磁盘读写出错"},
    {EMFILE, "打开的文件太多"},
    {ENFILE, "打开的文件太多"},
    {EBUSY, "文件正被占用"},
    {ETXTBSY, "文件正被占用"},
    {EPIPE, "接收输出的一方已经关闭"},
    {EBADF, "文件无法写入"},
    {ENXIO, "设备不存在"},
    {EAGAIN, "文件暂时无法读取"},
};

}  // namespace

QString SystemReason(int errorNumber) {
    for (const Reason& reason : kReasons) {
        if (reason.error == errorNumber) {
            return QString::fromUtf8(reason.words);
        }
    }
    return QStringLiteral("系统错误（错误码 %1）").arg(errorNumber);
}

QString QuotedFileName(const std::string& path) {
    return QStringLiteral("“%1”").arg(QString::fromStdString(EchoText(path, kShownNameCharacters)));
}

QString WriteFailureText(const std::string& path, const FileOutcome& outcome, bool hadFile) {
    if (outcome.kind == FileOutcome::Kind::notRegular) {
        return QStringLiteral("%1不是普通文件（而是文件夹、设备或管道等），只能写入普通文件。")
            .arg(QuotedFileName(path));
    }
    return QStringLiteral("无法写入文件%1：%2。%3")
        .arg(QuotedFileName(path), SystemReason(outcome.error),
             hadFile ? QStringLiteral("原有的文件没有改动。") : QString());
}

QString ExportFailureText(const std::string& path, const FileOutcome& outcome, bool hadFile) {
    return QStringLiteral("导出失败：") + WriteFailureText(path, outcome, hadFile);
}

QString ReadFailureText(const std::string& path, const FileOutcome& outcome) {
    switch (outcome.kind) {
        case FileOutcome::Kind::notRegular:
            return QStringLiteral("%1不是普通文件（而是文件夹、设备或管道等），只能从普通文件读取。")
                .arg(QuotedFileName(path));
        case FileOutcome::Kind::tooLarge:
            return QStringLiteral("文件%1太大，不像开奖号码文件。").arg(QuotedFileName(path));
        case FileOutcome::Kind::system:
        case FileOutcome::Kind::ok:
            break;
    }
    return QStringLiteral("无法读取文件%1：%2。").arg(QuotedFileName(path), SystemReason(outcome.error));
}
