// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message the program shows, each with one name: the message boxes and questions of the windows, the
// words for what the store's actions came to, what the command line says, and the pieces the longer sentences
// are built from. The code refers to the names, so a message is worded in one place and cannot drift apart
// between the window, the command line and the tests. Plain C++ so that every layer can include it.
//
// %1, %2 … stand for what a message names (a row, a year, a file, a count); FormatText fills them in, as
// QString::arg does on the Qt side. A file named in a message is always the quoted, shortened name of
// shell/FileErrors.h (QuotedFileName), so its quotes are not part of the words here.
#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

// The application's title: the caption of the messages that have no caption of their own.
inline constexpr const char* kAppTitle = "morvint";

struct MessageText {
    const char* text;
    const char* caption = kAppTitle;
};

namespace MessageFormatting {

std::string Fill(std::string_view pattern, const std::string* arguments, std::size_t count);

inline std::string Argument(std::string_view text) {
    return std::string(text);
}
template <std::integral Number>
std::string Argument(Number number) {
    return std::to_string(number);
}

}  // namespace MessageFormatting

// pattern (or a message's text) with %1 .. %9 replaced by the arguments (texts or whole numbers), all in one
// pass: an argument that itself contains "%2" stays as it is. A placeholder without an argument is left.
template <typename... Arguments>
std::string FormatText(std::string_view pattern, const Arguments&... arguments) {
    const std::array<std::string, sizeof...(Arguments)> filled{MessageFormatting::Argument(arguments)...};
    return MessageFormatting::Fill(pattern, filled.data(), filled.size());
}
template <typename... Arguments>
std::string FormatText(const MessageText& message, const Arguments&... arguments) {
    return FormatText(std::string_view(message.text), arguments...);
}

namespace Messages {

// The database file cannot be opened, read or written (shell/StoreMessages.h words the store's outcomes with
// these). The words and the caption are the program's since its first version.
inline constexpr MessageText kConnectFailed{"连接数据库失败!"};
inline constexpr MessageText kPlayerLoadFailed{"读取数据库player失败!"};
inline constexpr MessageText kHistoryLoadFailed{"读取数据库history失败!"};
inline constexpr MessageText kSaveFailed{"保存失败!"};

// Another running copy of the program, or another program, got to the database file first. Locked: the file
// stayed locked past the wait for it and nothing was read or written; try again. Changed: the other copy's
// change is in the file, this copy has read the file again, and nothing of the action was done.
inline constexpr MessageText kDatabaseLocked{
    "数据库文件正被另一个程序锁定（也许是另一个正在运行的 morvint 正在写入），现在无法打开。"
    "请等它写完或关闭它之后再试。",
    "数据库被占用"};
inline constexpr MessageText kLockedNotSaved{
    "数据库文件正被另一个程序锁定（也许是另一个正在运行的 morvint "
    "正在写入），这次的改动没有保存。请稍后再试。",
    "数据库被占用"};
inline constexpr MessageText kArchiveChangedMeanwhile{
    "另一个正在运行的 morvint 刚刚改动了记录，没有归档任何记录。记录已重新读取，请重新查看后再归档。",
    "归档已开奖的记录"};
inline constexpr MessageText kDrawChangedMeanwhile{
    "另一个正在运行的 morvint 刚刚改动了记录（这条预测记录已被移动或归档），开奖号码没有保存。\r\n"
    "列表已重新读取，请核对后再输入开奖号码。",
    "记录已改动"};
inline constexpr MessageText kHistoryFilledMeanwhile{
    "另一个正在运行的 morvint 刚刚改动了记录：预测记录已满（最多保存399条），这次的预测没有保存。\r\n"
    "请先在【预测记录】页归档已开奖的记录，腾出位置后再保存。",
    "预测记录已满"};
inline constexpr MessageText kDrawEnteredMeanwhile{
    "另一个正在运行的 morvint 刚刚为这条预测记录录入了开奖号码，您输入的号码没有保存。\r\n"
    "列表已重新读取，显示的是已保存的开奖号码。",
    "记录已改动"};
// The import of draw numbers: a refused line, and the end of an import stopped by a lock (%1: the line).
inline constexpr MessageText kDrawLineChangedMeanwhile{
    "另一个正在运行的 morvint 刚刚改动了记录（这条预测记录已被移动或归档），这一行没有录入，请重新导入。"};
inline constexpr MessageText kImportStoppedLocked{
    "第%1行无法保存：数据库文件正被另一个程序锁定，导入到此停止；"
    "此前录入的开奖号码已保存。请稍后再导入一次。"};

// The start: a database that can be read but not written (%1: the file).
inline constexpr MessageText kDatabaseReadOnly{
    "数据库文件%1只能读取，不能写入：本次新的预测、开奖号码和玩家资料都无法保存。\r\n"
    "请检查这个文件和它所在文件夹的写入权限。",
    "数据库不能写入"};

// The start without --database and without a home folder to keep the records in (%1: kHomeNotSet, or
// kHomeNotAbsolute with the value found).
inline constexpr MessageText kHomeUnusable{
    "%1，程序不知道把预测记录保存在哪里。请把 HOME 设为主文件夹的绝对路径，或用 --database 指定数据库文件。",
    "无法启动"};
inline constexpr MessageText kHomeNotSet{"没有设置主文件夹（环境变量 HOME 为空）"};
inline constexpr MessageText kHomeNotAbsolute{"主文件夹（环境变量 HOME）%1不是绝对路径"};
// The settings file, said once at start and before an export to a workbook: one the program cannot use (%1:
// why, as kNotRegularForReading, kCannotRead or kSettingsFileTooLarge), and a [ledger] value it ignored (%1:
// the file, %2: the key, %3: the value found, %4: the default used instead).
inline constexpr MessageText kSettingsFileUnusable{"%1程序不读也不改这个设置文件，各项设置都用默认值。",
                                                   "设置文件"};
inline constexpr MessageText kSettingsFileTooLarge{"文件%1太大，不像设置文件。"};
inline constexpr MessageText kLedgerSettingIgnored{
    "设置文件%1中 [ledger] 的 %2 = %3 不是 1 到 10000000 之间的整数，没有采用，按默认值 %4 计算。",
    "设置文件"};

// The lunar calendar, asked for a day outside its tables.
inline constexpr MessageText kDateOutOfRange{"日期超出范围！"};

// The date dialog: why a date cannot be predicted. A save refused by the store for the same reason says the
// same words: kDayTaken when another copy of the program saved that day first.
inline constexpr MessageText kPredictingThePast{"请勿对已开过奖的号码进行预测！", "请勿“预测”过去！"};
inline constexpr MessageText kDayTaken{"这一天的开奖号码已被预测并保存过了。", "请勿重复预测！"};
inline constexpr MessageText kCalendarTooOld{"此软件版本已经过旧，欲预测%1年的开奖号码，请下载升级版本。",
                                             "请下载新版本"};  // %1: the year
inline constexpr MessageText kNoIssue{"请输入期号。\r\n只有正确输入日期和期号才能保证预测的准确性。",
                                      "未输入期号"};
// A full history: nothing to archive, or the question whether to archive the oldest %1 records (%2:
// kArchiveLosesNothing).
inline constexpr MessageText kHistoryFull{
    "预测记录已满（最多保存399条），其中没有可以归档的已开奖记录，不能再保存新的预测。\r\n"
    "请先在【预测记录】页输入开奖号码。",
    "预测记录已满"};
inline constexpr MessageText kArchiveToContinue{
    "预测记录已满（最多保存399条）。\r\n要把最早的%1条已开奖的记录移入归档，腾出位置，然后继续预测吗？\r\n%2",
    "预测记录已满"};
inline constexpr MessageText kArchiveLosesNothing{
    "归档的记录不会丢失：可在“查看归档…”中查看，统计和导出也包含它们。"};

// The number page: saving the eight codes.
inline constexpr MessageText kAlreadySaved{"预测结果已被保存过了！", "不要重复保存"};
inline constexpr MessageText kSaved{"预测结果已被保存到数据库中！\r\n您可以到【预测记录】中查看。",
                                    "保存成功"};

// The player page: the fortune code and the chart drawn from it.
inline constexpr MessageText kFortuneCodeWrong{"财运代码输入错误，请校对！", "代码输入错误"};
inline constexpr MessageText kFortuneMonthWrong{"财运代码的第二位表示起始月份，应为1～9或A～C，请校对！",
                                                "代码输入错误"};
inline constexpr MessageText kNotAnInteger{"请键入一个整数。"};
inline constexpr MessageText kNoFortuneChart{"财运代码错误,不能生成财运走势图!", "财运代码错误"};

// The records page: why a draw number cannot be entered. The import of draw numbers says kNotDue too.
inline constexpr MessageText kNotDue{"还未到开奖时间。", "未开奖"};
inline constexpr MessageText kNoDrawNumber{"请输入实际开奖号码。", "未输入"};
inline constexpr MessageText kEarlierPending{"第%1行还未输入开奖号码，请先输入。",
                                             "请按时间先后输入开奖号码"};  // %1: the row in the list
// The second line under kNoDrawNumber, so that a number of the wrong length is not read as none at all.
inline constexpr MessageText kDrawNumberForm{"开奖号码是三位数字，如 035。"};

// The records menu's archiving: how many (%1: the records that have their result), then the question that
// names them, built from a head (%1: how many), a line per record (%1: its date, %2: its issue) with a gap
// in a long run, and the tail (%1: kArchiveLosesNothing).
inline constexpr MessageText kArchiveHowMany{"已开奖的记录共%1条。\n要归档最早的几条？（1～%1）",
                                             "归档已开奖的记录"};
inline constexpr MessageText kArchiveQuestion{"将以下%1条已开奖的记录移入归档：", "归档已开奖的记录"};
inline constexpr MessageText kArchiveQuestionRecord{"%1  第%2期"};
inline constexpr MessageText kArchiveQuestionGap{"……"};
inline constexpr MessageText kArchiveQuestionEnd{"%1确定要归档吗？"};

// The records menu's other boxes. Where a box shows one of several sentences built below, its entry is that
// sentence (%1) under the box's caption.
inline constexpr MessageText kArchiveUnreadableForStatistics{"无法读取归档的记录，下面只统计当前的预测记录。",
                                                             "统计"};
inline constexpr MessageText kArchiveUnreadable{"无法读取归档的记录。", "查看归档"};
inline constexpr MessageText kCsvExportBox{"%1", "导出为 CSV"};
inline constexpr MessageText kWorkbookExportBox{"%1", "导出为 Excel 表格"};
inline constexpr MessageText kImportFailedBox{"%1", "导入失败"};
// %1: the backup chosen, %2: the folder of the safety copies.
inline constexpr MessageText kRestoreQuestion{
    "将用备份文件%1替换现在的数据库（玩家资料、预测记录和归档）。\r\n"
    "替换之前，现在的数据库会先存为安全备份，放在%2。\r\n确定要恢复吗？",
    "恢复数据"};

// A file name picked in a file dialog that is not UTF-8 (%1: the name as Qt shows it).
inline constexpr MessageText kFileNameNotUtf8{
    "文件名“%1”含有无法识别的字符（它不是 UTF-8 编码），本程序无法使用这个文件；请改用 UTF-8 编码的文件名。",
    "文件名无法识别"};

// Why a file could not be read or written: the system's reasons (errno) in the program's own words, the
// rarer ones by number (%1).
inline constexpr MessageText kDiskFull{"磁盘已满"};
inline constexpr MessageText kOverQuota{"超出了磁盘配额"};
inline constexpr MessageText kNoPermission{"没有权限"};
inline constexpr MessageText kReadOnlyDisk{"所在的磁盘只能读取"};
inline constexpr MessageText kNoSuchFile{"文件或文件夹不存在"};
inline constexpr MessageText kPathNotFolder{"路径中有一部分不是文件夹"};
inline constexpr MessageText kIsFolder{"这是一个文件夹"};
inline constexpr MessageText kNameTooLong{"文件名太长"};
inline constexpr MessageText kTooManyLinks{"符号链接层数太多"};
inline constexpr MessageText kFileTooLarge{"文件太大"};
inline constexpr MessageText kDiskError{"磁盘读写出错"};
inline constexpr MessageText kTooManyOpenFiles{"打开的文件太多"};
inline constexpr MessageText kFileBusy{"文件正被占用"};
inline constexpr MessageText kReaderClosed{"接收输出的一方已经关闭"};
inline constexpr MessageText kNotWritable{"文件无法写入"};
inline constexpr MessageText kNoDevice{"设备不存在"};
inline constexpr MessageText kTryLater{"文件暂时无法读取"};
inline constexpr MessageText kSystemError{"系统错误（错误码 %1）"};

// The sentences about one file (%1: the file, %2: the reason). A failed write ends with kFileUnchanged when
// a file was there before; kExportFailed puts a failed export's reason after its head.
inline constexpr MessageText kNotRegularForWriting{
    "%1不是普通文件（而是文件夹、设备或管道等），只能写入普通文件。"};
inline constexpr MessageText kCannotWrite{"无法写入文件%1：%2。"};
// Files no export or backup writes over (%1: the file): one the user made read-only, and the program's own
// database, its journal and its safety copies, which the write would destroy.
inline constexpr MessageText kWriteProtected{"文件%1有写保护（只读），没有改动。"};
inline constexpr MessageText kIsTheDatabase{
    "%1是本程序正在使用的数据库，写到这里会毁掉全部记录，所以没有写入；请另选文件。", "不能写到这里"};
inline constexpr MessageText kIsTheJournal{
    "%1是本程序数据库的日志文件，写到这里会毁掉数据库，所以没有写入；请另选文件。", "不能写到这里"};
inline constexpr MessageText kIsASafetyCopy{
    "%1在本程序存放安全备份的 backups 文件夹里，写到这里会毁掉安全备份，所以没有写入；请另选位置。",
    "不能写到这里"};
inline constexpr MessageText kFileUnchanged{"原有的文件没有改动。"};
inline constexpr MessageText kExportFailed{"导出失败：%1", "导出失败"};
inline constexpr MessageText kNotRegularForReading{
    "%1不是普通文件（而是文件夹、设备或管道等），只能从普通文件读取。"};
inline constexpr MessageText kDrawsFileTooLarge{"文件%1太大，不像开奖号码文件。"};
inline constexpr MessageText kCannotRead{"无法读取文件%1：%2。"};

// The exports: what went where (%1: how many, %2: kExportScope or nothing, %3: the file or kStandardOutput),
// why nothing was exported (after kExportFailed's head), and the prediction slip as a PDF.
inline constexpr MessageText kExported{"已导出 %1 条预测记录%2到%3。"};
inline constexpr MessageText kExportScope{"（%1）"};  // %1: kScopeWithArchive
inline constexpr MessageText kStandardOutput{"标准输出"};
inline constexpr MessageText kArchiveNotExported{"无法读取归档的记录，没有导出。"};
inline constexpr MessageText kStandardOutputFailed{"无法写入标准输出：%1。"};
inline constexpr MessageText kSlipExported{"已把预测单导出到%1。", "导出 PDF"};
// The program folder lacks its print plugin (%1: the plugin's file name).
inline constexpr MessageText kPrintUnavailable{"无法打印：程序缺少打印组件 %1，请重新安装本程序。",
                                               "打印预测单"};

// Backups, restores and archiving, from the menus and the command line. kRecordCounts says what a database
// holds; every change of many rows first takes a safety copy (%1: where, %2: why it failed).
inline constexpr MessageText kRecordCounts{"预测记录 %1 条，归档 %2 条"};
inline constexpr MessageText kSafetyCopyFailed{
    "无法写入安全备份%1：%2。为了不丢失任何记录，这次改动没有进行。", "无法备份"};
inline constexpr MessageText kNotRegularPlace{"这个位置不是普通文件"};
inline constexpr MessageText kBackupFailed{"备份失败：%1", "备份失败"};  // %1: kCannotWrite or the like
inline constexpr MessageText kBackedUp{"已把数据库（%1）备份到%2。", "备份数据"};
inline constexpr MessageText kBackupToTerminal{
    "数据库备份不能写到终端：请把标准输出转到文件或管道，或在“--backup”后面给出文件名。"};
// Why a file cannot be restored (%1: the file; an unreadable one is kCannotRead), always followed by
// kDatabaseUnchanged.
inline constexpr MessageText kBackupNotRegular{"%1不是普通文件（而是文件夹、设备或管道等），不能用来恢复。"};
inline constexpr MessageText kBackupNotDatabase{"文件%1不是数据库文件，不能用来恢复。"};
inline constexpr MessageText kBackupDamaged{"文件%1已经损坏（没有通过完整性检查），不能用来恢复。"};
inline constexpr MessageText kBackupNotOurs{
    "文件%1不是本程序的数据库（没有玩家资料和预测记录的表），不能用来恢复。"};
inline constexpr MessageText kBackupTooNew{"文件%1由更新版本的程序写成，本版本读不懂它，不能用来恢复。"};
inline constexpr MessageText kBackupWithoutPlayer{"文件%1中没有玩家资料，不能用来恢复。"};
inline constexpr MessageText kBackupIsTheDatabase{"文件%1就是现在的数据库，不能用它恢复它自己。"};
inline constexpr MessageText kBackupBusy{
    "文件%1正在被另一个程序写入，现在读不到完整的内容，不能用来恢复；请等它写完后再试。"};
// A row the program would never have written: %2 is the table (kBackupPlayerTable, kBackupHistoryTable or
// kBackupArchiveTable), %3 the row in the file's order, %4 the column; or the numbers of a table's rows
// (%3: the column, %4: the number), which run 1, 2, 3 ... without gaps or repeats.
inline constexpr MessageText kBackupBadValue{
    "文件%1的%2第 %3 行的“%4”一栏不是本程序会写入的值，不能用来恢复。"};
inline constexpr MessageText kBackupNumberRepeated{"文件%1的%2中有两行的“%3”都是 %4，不能用来恢复。"};
inline constexpr MessageText kBackupNumberMissing{
    "文件%1的%2中没有“%3”为 %4 的行（应从 1 起连续编号），不能用来恢复。"};
inline constexpr MessageText kBackupPlayerTable{"玩家资料表（player）"};
inline constexpr MessageText kBackupHistoryTable{"预测记录表（data_history）"};
inline constexpr MessageText kBackupArchiveTable{"归档表（data_archive）"};
inline constexpr MessageText kDatabaseUnchanged{"数据库没有改动。", "无法恢复"};
inline constexpr MessageText kRestoreWriteFailed{"恢复失败：无法写入数据库。", "无法恢复"};
// %1: the backup, %2: kRecordCounts, %3: the folder of the safety copies.
inline constexpr MessageText kRestored{"已从%1恢复数据库：%2。恢复前的数据库已存为安全备份，在%3。",
                                       "恢复数据"};
inline constexpr MessageText kTooFewToArchive{"只有 %1 条已开奖的记录，不能归档 %2 条。没有归档任何记录。"};
inline constexpr MessageText kArchiveWriteFailed{"归档失败：无法写入数据库。没有归档任何记录。"};
inline constexpr MessageText kArchived{"已归档最早的 %1 条已开奖的记录；现有%2。"};  // %2: kRecordCounts

// The import of draw numbers: why a line was refused (%1: the field from the file, or the row that waits
// for its draw number), a refused line or a run of them (%1 .. %3: the lines, then the words), and the
// summary, which opens with the tally under the box's caption.
inline constexpr MessageText kDrawLineShape{"应为“期数,开奖号码”或“日期,开奖号码”。"};
inline constexpr MessageText kDrawNoSuchDate{"日期“%1”不存在。"};
inline constexpr MessageText kDrawNoRecordOnDay{"这一天没有预测记录。"};
inline constexpr MessageText kDrawNoRecordOfIssue{"没有期数为“%1”的预测记录。"};
inline constexpr MessageText kDrawAlreadyEntered{"这条预测记录已有开奖号码。"};
inline constexpr MessageText kDrawNotANumber{"开奖号码“%1”不是三位数字。"};
inline constexpr MessageText kDrawEarlierPending{"预测记录第%1行还未输入开奖号码，请先输入。"};
inline constexpr MessageText kRefusedLine{"第%1行：%2"};
inline constexpr MessageText kRefusedLines{"第%1–%2行（%3 行）：%4"};
inline constexpr MessageText kImportTally{"录入开奖号码 %1 个，拒绝 %2 行。", "导入开奖号码"};
inline constexpr MessageText kImportStopped{"第%1行保存失败，导入到此停止；此前录入的开奖号码已保存。"};
inline constexpr MessageText kMoreRefused{"……另有 %1 行被拒绝。"};

// The command line: why it cannot be used (%1: an option or argument as typed), and its answers.
inline constexpr MessageText kMissingValue{"选项“%1”后面缺少参数。"};
inline constexpr MessageText kValueIsOption{"“%1”是另一个选项。"};  // after kMissingValue
inline constexpr MessageText kUnknownOption{"未知的选项“%1”。"};
inline constexpr MessageText kFlagWithValue{"选项“--%1”不带参数。"};
inline constexpr MessageText kUnreadableCommandLine{"无法识别的命令行。"};
inline constexpr MessageText kOptionTwice{"选项“%1”只能给一次。"};
inline constexpr MessageText kOnlyOneOf{"%1 与 %2 只能选用一个。"};
inline constexpr MessageText kArchiveCountWrong{
    "选项“--archive”后面应是要归档的记录条数（1～399），而不是“%1”。"};
inline constexpr MessageText kArgumentNotUtf8{
    "参数“%1”含有不是 UTF-8 编码的字节，本程序无法表示这个名字；请改用 UTF-8 编码的文件名。"};
inline constexpr MessageText kExtraArgument{"多余的参数“%1”：本程序不打开文件。"};
inline constexpr MessageText kWorkbookToStandardOutput{
    "选项“--export-xlsx”后面应是文件名：Excel 表格不能写到标准输出。"};
inline constexpr MessageText kCommandLineError{"morvint：%1\n请用 morvint --help 查看可用的选项。\n"};
inline constexpr MessageText kTerminalError{"morvint：%1"};  // what a command run from the terminal failed at
inline constexpr MessageText kNoDisplay{
    "morvint：没有找到图形桌面（未设置 DISPLAY 或 WAYLAND_DISPLAY），无法打开程序窗口。\n"
    "请在图形桌面中启动本程序。不需要桌面也能使用的功能（如导出、导入预测记录），\n"
    "请用 morvint --help 查看。\n"};
inline constexpr MessageText kUsage{
    "用法：morvint [选项]\n"
    "Quintara V4.3：以梅花易数为每日三位数开奖号码起卦预测。\n"
    "\n"
    "选项：\n"
    "  --classic          使用经典版历法：2007-02-04 至 2012-02-04，可预测 2011 年及以前的开奖\n"
    "  --extended         使用扩展版历法：2007-02-04 至 2099-12-31，可预测 2099 年及以前的开奖\n"
    "  --database 文件    使用这个数据库文件（文件须已存在）\n"
    "  --export-csv 文件  把全部预测记录导出为 CSV 文件（UTF-8）后退出；文件为 - 时\n"
    "                     写到标准输出\n"
    "  --export-xlsx 文件 把全部预测记录和统计导出为 Excel 表格（.xlsx）后退出\n"
    "  --import-draws 文件\n"
    "                     从文件录入开奖号码后退出；每行一期：“期数,开奖号码”或\n"
    "                     “日期,开奖号码”（日期如 2009-06-17），规则与【预测记录】页相同\n"
    "  --backup 文件      把数据库完整备份到文件后退出；文件为 - 时写到标准输出，\n"
    "                     只能转到文件或管道，不能写到终端\n"
    "  --restore 文件     检查备份文件，先为现有数据库做安全备份，再用备份恢复后退出\n"
    "  --archive 条数     把最早的这么多条已开奖的记录移入归档后退出（1～399）\n"
    "  --help             显示本说明后退出\n"
    "  --version          显示版本和所用历法后退出\n"
    "\n"
    "不指定历法时，今天在 2011-12-31 及以前用经典版，从 2012-01-01 起用扩展版。\n"
    "不指定数据库时，程序文件夹中有 morvint.db 就用它（便携版；不能写入时启动时\n"
    "会说明），否则用 ~/.local/share/morvint/morvint.db\n"
    "（$XDG_DATA_HOME/morvint/morvint.db），第一次启动时由安装的空白数据库复制而来。\n"
    "\n"
    "导入、恢复和归档之前，程序先把数据库复制到它旁边的 backups 文件夹（保留最新的 10 份）。\n"
    "导出和备份不会写到数据库、它的日志文件、backups 文件夹里或只读的文件上。\n"
    "\n"
    "导出、导入、备份、恢复和归档不需要显示器。成功时退出码为 0；文件或数据库无法读写、\n"
    "或有开奖号码被拒绝时为 1，并说明原因；命令行有误时为 2。\n"};
// --version: %1 the package's version, %2 the calendar in use.
inline constexpr MessageText kVersion{"Quintara V4.3\n版本：%1\n历法：%2\n"};
inline constexpr MessageText kClassicCalendar{"经典版（2007-02-04 至 2012-02-04，开奖年份至 2011 年）"};
inline constexpr MessageText kExtendedCalendar{"扩展版（2007-02-04 至 2099-12-31，开奖年份至 2099 年）"};

// The statistics: the sentence on chance (%1: the facts, %2: the test's p), the one on the ledger (%1: the
// draws; %2 .. %4: what was spent, won and what chance pays back, in whole 元; %5: that as a percentage),
// what the window counts and the prices it assumes. Both the window and the workbook write them.
inline constexpr MessageText kChanceWithoutDraws{"还没有输入开奖号码，无法与偶然相比。"};
inline constexpr MessageText kChanceFacts{"已开奖 %1 期，号码命中 %2 次，纯凭偶然平均约 %3 次。"};
inline constexpr MessageText kChanceAlike{
    "%1这样的差别完全可能出于偶然（精确二项检验，%2），不能说明号码比偶然更准。"};
inline constexpr MessageText kChanceMore{
    "%1命中多于偶然，只凭偶然出现这样大差别的机会不到 5%（精确二项检验，%2）。"};
inline constexpr MessageText kChanceFewer{
    "%1命中少于偶然，只凭偶然出现这样大差别的机会不到 5%（精确二项检验，%2）。"};
inline constexpr MessageText kPValueBelow{"p < 0.001"};
inline constexpr MessageText kPValue{"p = %1"};
inline constexpr MessageText kLedgerWithoutDraws{"还没有输入开奖号码，无从算账。"};
inline constexpr MessageText kLedger{
    "若每期把八组号码各买一注直选，%1 期共投入 %2 元，可得奖金 %3 元；"
    "纯凭偶然平均可得 %4 元，只是投入的 %5%。"};
inline constexpr MessageText kScopeAll{"全部 %1 条"};
inline constexpr MessageText kScopeWithArchive{"全部 %1 条，其中归档 %2 条"};
inline constexpr MessageText kScopeCurrentOnly{"当前 %1 条（不含归档的 %2 条）"};
inline constexpr MessageText kLedgerPrices{"每注 %1 元 · 直选奖金 %2 元 · 组三 %3 元 · 组六 %4 元"};

// The archive's window, under its list (%1: how many, %2: when the last were archived).
inline constexpr MessageText kArchiveEmpty{"归档中还没有记录。"};
inline constexpr MessageText kArchiveCount{"归档共 %1 条，最近一次归档于 %2。"};

}  // namespace Messages
