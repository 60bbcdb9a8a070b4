// SPDX-License-Identifier: GPL-3.0-or-later
// The words of every message, pinned: the program and the other tests refer to the messages by name, and
// this is the one place outside the table where their words are written. A change of wording has to be made
// here too, on purpose. The table's formatting, and that no source file writes a message's words again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/MessageTexts.h"

namespace {

struct Pinned {
    const MessageText* message;
    std::string_view text;
    std::string_view caption = "morvint";
};

const Pinned kPinned[] = {
    {&Messages::kConnectFailed, "连接数据库失败!"},
    {&Messages::kPlayerLoadFailed, "读取数据库player失败!"},
    {&Messages::kHistoryLoadFailed, "读取数据库history失败!"},
    {&Messages::kSaveFailed, "保存失败!"},
    {&Messages::kDatabaseLocked,
     "数据库文件正被另一个程序锁定（也许是另一个正在运行的 morvint 正在写入），现在无法打开。"
     "请等它写完或关闭它之后再试。",
     "数据库被占用"},
    {&Messages::kLockedNotSaved,
     "数据库文件正被另一个程序锁定（也许是另一个正在运行的 morvint "
     "正在写入），这次的改动没有保存。请稍后再试。",
     "数据库被占用"},
    {&Messages::kArchiveChangedMeanwhile,
     "另一个正在运行的 morvint 刚刚改动了记录，没有归档任何记录。记录已重新读取，请重新查看后再归档。",
     "归档已开奖的记录"},
    {&Messages::kDrawChangedMeanwhile,
     "另一个正在运行的 morvint 刚刚改动了记录（这条预测记录已被移动或归档），开奖号码没有保存。\r\n"
     "列表已重新读取，请核对后再输入开奖号码。",
     "记录已改动"},
    {&Messages::kHistoryFilledMeanwhile,
     "另一个正在运行的 morvint 刚刚改动了记录：预测记录已满（最多保存399条），这次的预测没有保存。\r\n"
     "请先在【预测记录】页归档已开奖的记录，腾出位置后再保存。",
     "预测记录已满"},
    {&Messages::kDrawEnteredMeanwhile,
     "另一个正在运行的 morvint 刚刚为这条预测记录录入了开奖号码，您输入的号码没有保存。\r\n"
     "列表已重新读取，显示的是已保存的开奖号码。",
     "记录已改动"},
    {&Messages::kDrawLineChangedMeanwhile,
     "另一个正在运行的 morvint 刚刚改动了记录（这条预测记录已被移动或归档），这一行没有录入，请重新导入。"},
    {&Messages::kImportStoppedLocked,
     "第%"
     "1行无法保存：数据库文件正被另一个程序锁定，导入到此停止；此前录入的开奖号码已保存。请稍后再导入一次。"},
    {&Messages::kDatabaseReadOnly,
     "数据库文件%1只能读取，不能写入：本次新的预测、开奖号码和玩家资料都无法保存。\r\n"
     "请检查这个文件和它所在文件夹的写入权限。",
     "数据库不能写入"},
    {&Messages::kHomeUnusable,
     "%1，程序不知道把预测记录保存在哪里。请把 HOME 设为主文件夹的绝对路径，或用 --database 指定数据库文件。",
     "无法启动"},
    {&Messages::kHomeNotSet, "没有设置主文件夹（环境变量 HOME 为空）"},
    {&Messages::kHomeNotAbsolute, "主文件夹（环境变量 HOME）%1不是绝对路径"},
    {&Messages::kSettingsFileUnusable, "%1程序不读也不改这个设置文件，各项设置都用默认值。", "设置文件"},
    {&Messages::kSettingsFileTooLarge, "文件%1太大，不像设置文件。"},
    {&Messages::kLedgerSettingIgnored,
     "设置文件%1中 [ledger] 的 %2 = %3 不是 1 到 10000000 之间的整数，没有采用，按默认值 %4 计算。",
     "设置文件"},
    {&Messages::kDateOutOfRange, "日期超出范围！"},
    {&Messages::kPredictingThePast, "请勿对已开过奖的号码进行预测！", "请勿“预测”过去！"},
    {&Messages::kDayTaken, "这一天的开奖号码已被预测并保存过了。", "请勿重复预测！"},
    {&Messages::kCalendarTooOld, "此软件版本已经过旧，欲预测%1年的开奖号码，请下载升级版本。",
     "请下载新版本"},
    {&Messages::kNoIssue, "请输入期号。\r\n只有正确输入日期和期号才能保证预测的准确性。", "未输入期号"},
    {&Messages::kHistoryFull,
     "预测记录已满（最多保存399条），其中没有可以归档的已开奖记录，不能再保存新的预测。\r\n"
     "请先在【预测记录】页输入开奖号码。",
     "预测记录已满"},
    {&Messages::kArchiveToContinue,
     "预测记录已满（最多保存399条）。\r\n要把最早的%1条已开奖的记录移入归档，腾出位置，然后继续预测吗？\r\n%"
     "2",
     "预测记录已满"},
    {&Messages::kArchiveLosesNothing, "归档的记录不会丢失：可在“查看归档…”中查看，统计和导出也包含它们。"},
    {&Messages::kAlreadySaved, "预测结果已被保存过了！", "不要重复保存"},
    {&Messages::kSaved, "预测结果已被保存到数据库中！\r\n您可以到【预测记录】中查看。", "保存成功"},
    {&Messages::kFortuneCodeWrong, "财运代码输入错误，请校对！", "代码输入错误"},
    {&Messages::kFortuneMonthWrong, "财运代码的第二位表示起始月份，应为1～9或A～C，请校对！", "代码输入错误"},
    {&Messages::kNotAnInteger, "请键入一个整数。"},
    {&Messages::kNoFortuneChart, "财运代码错误,不能生成财运走势图!", "财运代码错误"},
    {&Messages::kNotDue, "还未到开奖时间。", "未开奖"},
    {&Messages::kNoDrawNumber, "请输入实际开奖号码。", "未输入"},
    {&Messages::kEarlierPending, "第%1行还未输入开奖号码，请先输入。", "请按时间先后输入开奖号码"},
    {&Messages::kDrawNumberForm, "开奖号码是三位数字，如 035。"},
    {&Messages::kArchiveHowMany, "已开奖的记录共%1条。\n要归档最早的几条？（1～%1）", "归档已开奖的记录"},
    {&Messages::kArchiveQuestion, "将以下%1条已开奖的记录移入归档：", "归档已开奖的记录"},
    {&Messages::kArchiveQuestionRecord, "%1  第%2期"},
    {&Messages::kArchiveQuestionGap, "……"},
    {&Messages::kArchiveQuestionEnd, "%1确定要归档吗？"},
    {&Messages::kArchiveUnreadableForStatistics, "无法读取归档的记录，下面只统计当前的预测记录。", "统计"},
    {&Messages::kArchiveUnreadable, "无法读取归档的记录。", "查看归档"},
    {&Messages::kCsvExportBox, "%1", "导出为 CSV"},
    {&Messages::kWorkbookExportBox, "%1", "导出为 Excel 表格"},
    {&Messages::kImportFailedBox, "%1", "导入失败"},
    {&Messages::kRestoreQuestion,
     "将用备份文件%1替换现在的数据库（玩家资料、预测记录和归档）。\r\n"
     "替换之前，现在的数据库会先存为安全备份，放在%2。\r\n确定要恢复吗？",
     "恢复数据"},
    {&Messages::kFileNameNotUtf8,
     "文件名“%1”含有无法识别的字符（它不是 UTF-8 编码），本程序无法使用这个文件；请改用 UTF-8 编码的文件名。",
     "文件名无法识别"},
    {&Messages::kDiskFull, "磁盘已满"},
    {&Messages::kOverQuota, "超出了磁盘配额"},
    {&Messages::kNoPermission, "没有权限"},
    {&Messages::kReadOnlyDisk, "所在的磁盘只能读取"},
    {&Messages::kNoSuchFile, "文件或文件夹不存在"},
    {&Messages::kPathNotFolder, "路径中有一部分不是文件夹"},
    {&Messages::kIsFolder, "这是一个文件夹"},
    {&Messages::kNameTooLong, "文件名太长"},
    {&Messages::kTooManyLinks, "符号链接层数太多"},
    {&Messages::kFileTooLarge, "文件太大"},
    {&Messages::kDiskError, "磁盘读写出错"},
    {&Messages::kTooManyOpenFiles, "打开的文件太多"},
    {&Messages::kFileBusy, "文件正被占用"},
    {&Messages::kReaderClosed, "接收输出的一方已经关闭"},
    {&Messages::kNotWritable, "文件无法写入"},
    {&Messages::kNoDevice, "设备不存在"},
    {&Messages::kTryLater, "文件暂时无法读取"},
    {&Messages::kSystemError, "系统错误（错误码 %1）"},
    {&Messages::kNotRegularForWriting, "%1不是普通文件（而是文件夹、设备或管道等），只能写入普通文件。"},
    {&Messages::kCannotWrite, "无法写入文件%1：%2。"},
    {&Messages::kWriteProtected, "文件%1有写保护（只读），没有改动。"},
    {&Messages::kIsTheDatabase,
     "%1是本程序正在使用的数据库，写到这里会毁掉全部记录，所以没有写入；请另选文件。", "不能写到这里"},
    {&Messages::kIsTheJournal, "%1是本程序数据库的日志文件，写到这里会毁掉数据库，所以没有写入；请另选文件。",
     "不能写到这里"},
    {&Messages::kIsASafetyCopy,
     "%1在本程序存放安全备份的 backups 文件夹里，写到这里会毁掉安全备份，所以没有写入；请另选位置。",
     "不能写到这里"},
    {&Messages::kFileUnchanged, "原有的文件没有改动。"},
    {&Messages::kExportFailed, "导出失败：%1", "导出失败"},
    {&Messages::kNotRegularForReading, "%1不是普通文件（而是文件夹、设备或管道等），只能从普通文件读取。"},
    {&Messages::kDrawsFileTooLarge, "文件%1太大，不像开奖号码文件。"},
    {&Messages::kCannotRead, "无法读取文件%1：%2。"},
    {&Messages::kExported, "已导出 %1 条预测记录%2到%3。"},
    {&Messages::kExportScope, "（%1）"},
    {&Messages::kStandardOutput, "标准输出"},
    {&Messages::kArchiveNotExported, "无法读取归档的记录，没有导出。"},
    {&Messages::kStandardOutputFailed, "无法写入标准输出：%1。"},
    {&Messages::kSlipExported, "已把预测单导出到%1。", "导出 PDF"},
    {&Messages::kPrintUnavailable, "无法打印：程序缺少打印组件 %1，请重新安装本程序。", "打印预测单"},
    {&Messages::kRecordCounts, "预测记录 %1 条，归档 %2 条"},
    {&Messages::kSafetyCopyFailed, "无法写入安全备份%1：%2。为了不丢失任何记录，这次改动没有进行。",
     "无法备份"},
    {&Messages::kNotRegularPlace, "这个位置不是普通文件"},
    {&Messages::kBackupFailed, "备份失败：%1", "备份失败"},
    {&Messages::kBackedUp, "已把数据库（%1）备份到%2。", "备份数据"},
    {&Messages::kBackupToTerminal,
     "数据库备份不能写到终端：请把标准输出转到文件或管道，或在“--backup”后面给出文件名。"},
    {&Messages::kBackupNotRegular, "%1不是普通文件（而是文件夹、设备或管道等），不能用来恢复。"},
    {&Messages::kBackupNotDatabase, "文件%1不是数据库文件，不能用来恢复。"},
    {&Messages::kBackupDamaged, "文件%1已经损坏（没有通过完整性检查），不能用来恢复。"},
    {&Messages::kBackupNotOurs, "文件%1不是本程序的数据库（没有玩家资料和预测记录的表），不能用来恢复。"},
    {&Messages::kBackupTooNew, "文件%1由更新版本的程序写成，本版本读不懂它，不能用来恢复。"},
    {&Messages::kBackupWithoutPlayer, "文件%1中没有玩家资料，不能用来恢复。"},
    {&Messages::kBackupIsTheDatabase, "文件%1就是现在的数据库，不能用它恢复它自己。"},
    {&Messages::kBackupBusy,
     "文件%1正在被另一个程序写入，现在读不到完整的内容，不能用来恢复；请等它写完后再试。"},
    {&Messages::kBackupBadValue, "文件%1的%2第 %3 行的“%4”一栏不是本程序会写入的值，不能用来恢复。"},
    {&Messages::kBackupNumberRepeated, "文件%1的%2中有两行的“%3”都是 %4，不能用来恢复。"},
    {&Messages::kBackupNumberMissing, "文件%1的%2中没有“%3”为 %4 的行（应从 1 起连续编号），不能用来恢复。"},
    {&Messages::kBackupPlayerTable, "玩家资料表（player）"},
    {&Messages::kBackupHistoryTable, "预测记录表（data_history）"},
    {&Messages::kBackupArchiveTable, "归档表（data_archive）"},
    {&Messages::kDatabaseUnchanged, "数据库没有改动。", "无法恢复"},
    {&Messages::kRestoreWriteFailed, "恢复失败：无法写入数据库。", "无法恢复"},
    {&Messages::kRestored, "已从%1恢复数据库：%2。恢复前的数据库已存为安全备份，在%3。", "恢复数据"},
    {&Messages::kTooFewToArchive, "只有 %1 条已开奖的记录，不能归档 %2 条。没有归档任何记录。"},
    {&Messages::kArchiveWriteFailed, "归档失败：无法写入数据库。没有归档任何记录。"},
    {&Messages::kArchived, "已归档最早的 %1 条已开奖的记录；现有%2。"},
    {&Messages::kDrawLineShape, "应为“期数,开奖号码”或“日期,开奖号码”。"},
    {&Messages::kDrawNoSuchDate, "日期“%1”不存在。"},
    {&Messages::kDrawNoRecordOnDay, "这一天没有预测记录。"},
    {&Messages::kDrawNoRecordOfIssue, "没有期数为“%1”的预测记录。"},
    {&Messages::kDrawAlreadyEntered, "这条预测记录已有开奖号码。"},
    {&Messages::kDrawNotANumber, "开奖号码“%1”不是三位数字。"},
    {&Messages::kDrawEarlierPending, "预测记录第%1行还未输入开奖号码，请先输入。"},
    {&Messages::kRefusedLine, "第%1行：%2"},
    {&Messages::kRefusedLines, "第%1–%2行（%3 行）：%4"},
    {&Messages::kImportTally, "录入开奖号码 %1 个，拒绝 %2 行。", "导入开奖号码"},
    {&Messages::kImportStopped, "第%1行保存失败，导入到此停止；此前录入的开奖号码已保存。"},
    {&Messages::kMoreRefused, "……另有 %1 行被拒绝。"},
    {&Messages::kMissingValue, "选项“%1”后面缺少参数。"},
    {&Messages::kValueIsOption, "“%1”是另一个选项。"},
    {&Messages::kUnknownOption, "未知的选项“%1”。"},
    {&Messages::kFlagWithValue, "选项“--%1”不带参数。"},
    {&Messages::kUnreadableCommandLine, "无法识别的命令行。"},
    {&Messages::kOptionTwice, "选项“%1”只能给一次。"},
    {&Messages::kOnlyOneOf, "%1 与 %2 只能选用一个。"},
    {&Messages::kArchiveCountWrong, "选项“--archive”后面应是要归档的记录条数（1～399），而不是“%1”。"},
    {&Messages::kArgumentNotUtf8,
     "参数“%1”含有不是 UTF-8 编码的字节，本程序无法表示这个名字；请改用 UTF-8 编码的文件名。"},
    {&Messages::kExtraArgument, "多余的参数“%1”：本程序不打开文件。"},
    {&Messages::kWorkbookToStandardOutput, "选项“--export-xlsx”后面应是文件名：Excel 表格不能写到标准输出。"},
    {&Messages::kCommandLineError, "morvint：%1\n请用 morvint --help 查看可用的选项。\n"},
    {&Messages::kTerminalError, "morvint：%1"},
    {&Messages::kNoDisplay,
     "morvint：没有找到图形桌面（未设置 DISPLAY 或 WAYLAND_DISPLAY），无法打开程序窗口。\n"
     "请在图形桌面中启动本程序。不需要桌面也能使用的功能（如导出、导入预测记录），\n"
     "请用 morvint --help 查看。\n"},
    {&Messages::kUsage,
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
     "或有开奖号码被拒绝时为 1，并说明原因；命令行有误时为 2。\n"},
    {&Messages::kVersion, "Quintara V4.3\n版本：%1\n历法：%2\n"},
    {&Messages::kClassicCalendar, "经典版（2007-02-04 至 2012-02-04，开奖年份至 2011 年）"},
    {&Messages::kExtendedCalendar, "扩展版（2007-02-04 至 2099-12-31，开奖年份至 2099 年）"},
    {&Messages::kChanceWithoutDraws, "还没有输入开奖号码，无法与偶然相比。"},
    {&Messages::kChanceFacts, "已开奖 %1 期，号码命中 %2 次，纯凭偶然平均约 %3 次。"},
    {&Messages::kChanceAlike, "%1这样的差别完全可能出于偶然（精确二项检验，%2），不能说明号码比偶然更准。"},
    {&Messages::kChanceMore, "%1命中多于偶然，只凭偶然出现这样大差别的机会不到 5%（精确二项检验，%2）。"},
    {&Messages::kChanceFewer, "%1命中少于偶然，只凭偶然出现这样大差别的机会不到 5%（精确二项检验，%2）。"},
    {&Messages::kPValueBelow, "p < 0.001"},
    {&Messages::kPValue, "p = %1"},
    {&Messages::kLedgerWithoutDraws, "还没有输入开奖号码，无从算账。"},
    {&Messages::kLedger,
     "若每期把八组号码各买一注直选，%1 期共投入 %2 元，可得奖金 %3 元；"
     "纯凭偶然平均可得 %4 元，只是投入的 %5%。"},
    {&Messages::kScopeAll, "全部 %1 条"},
    {&Messages::kScopeWithArchive, "全部 %1 条，其中归档 %2 条"},
    {&Messages::kScopeCurrentOnly, "当前 %1 条（不含归档的 %2 条）"},
    {&Messages::kLedgerPrices, "每注 %1 元 · 直选奖金 %2 元 · 组三 %3 元 · 组六 %4 元"},
    {&Messages::kArchiveEmpty, "归档中还没有记录。"},
    {&Messages::kArchiveCount, "归档共 %1 条，最近一次归档于 %2。"},
};

std::string ReadSource(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const std::filesystem::path kSourceRoot = MORVINT_SOURCE_DIR;
const std::filesystem::path kTable = kSourceRoot / "core" / "MessageTexts.h";
const std::filesystem::path kThisTest = kSourceRoot / "tests" / "core" / "MessageTextsTest.cpp";

TEST(MessageTextsTest, EveryMessageKeepsItsWordsAndCaption) {
    for (const Pinned& pinned : kPinned) {
        EXPECT_EQ(pinned.message->text, pinned.text);
        EXPECT_EQ(pinned.message->caption, pinned.caption) << pinned.text;
    }
}

// A message added to the table without its words here, or listed twice, would leave its wording unguarded.
TEST(MessageTextsTest, EveryMessageIsPinnedOnceAndWordedOnce) {
    const std::string table = ReadSource(kTable);
    std::size_t defined = 0;
    for (std::size_t at = table.find("constexpr MessageText k"); at != std::string::npos;
         at = table.find("constexpr MessageText k", at + 1)) {
        ++defined;
    }
    EXPECT_EQ(std::size(kPinned), defined);
    std::set<const MessageText*> entries;
    std::set<std::pair<std::string_view, std::string_view>> words;
    for (const Pinned& pinned : kPinned) {
        EXPECT_TRUE(entries.insert(pinned.message).second) << pinned.text;
        EXPECT_TRUE(words.insert({pinned.message->text, pinned.message->caption}).second)
            << "the same message under two names: " << pinned.text;
    }
}

// The runs of a message's words between its placeholders and line breaks that are long enough to be told
// from a label or a word of the help: the whole line of a message without placeholders from four characters
// outside ASCII on, and six such characters between the placeholders of one that has them.
std::vector<std::string> RecognisableRuns(std::string_view text) {
    bool hasPlaceholders = false;
    std::vector<std::string> runs{""};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        hasPlaceholders = hasPlaceholders || placeholder;
        if (placeholder || text[i] == '\n' || text[i] == '\r') {
            runs.emplace_back();
            i += placeholder ? 1 : 0;
        } else {
            runs.back() += text[i];
        }
    }
    const std::ptrdiff_t least = hasPlaceholders ? 6 : 4;
    std::erase_if(runs, [least](const std::string& run) {
        const auto characters = std::count_if(run.begin(), run.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) == 0xC0;  // the first byte of a UTF-8 sequence
        });
        return characters < least;
    });
    return runs;
}

// The code and the tests name the messages: their words written out anywhere else could drift apart again.
TEST(MessageTextsTest, NoOtherSourceFileWritesAMessageOut) {
    std::vector<std::pair<std::string_view, std::string>> runs;
    for (const Pinned& pinned : kPinned) {
        for (std::string& run : RecognisableRuns(pinned.text)) {
            runs.emplace_back(pinned.text, std::move(run));
        }
    }
    ASSERT_GT(runs.size(), 100u);
    std::size_t files = 0;
    for (const char* folder :
         {"core", "store", "controls", "shell", "pages", "app", "res", "fuzz", "bench", "tools", "tests"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSourceRoot / folder)) {
            const std::filesystem::path& path = entry.path();
            if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp") ||
                path == kTable || path == kThisTest) {
                continue;
            }
            ++files;
            const std::string source = ReadSource(path);
            for (const auto& [text, run] : runs) {
                EXPECT_EQ(source.find(run), std::string::npos)
                    << path.lexically_relative(kSourceRoot).string() << " writes out \"" << run << "\" of \""
                    << text << "\"";
            }
        }
    }
    EXPECT_GT(files, 300u) << "the source tree was not found";
}

TEST(MessageTextsTest, FormatTextFillsThePlaceholdersInOnePass) {
    EXPECT_EQ(FormatText("第%1–%2行（%3 行）：%4", 8, 110, 103u, std::string("字")),
              "第8–110行（103 行）：字");
    EXPECT_EQ(FormatText("从%1到%2。", "“%2.db”", "这里"), "从“%2.db”到这里。")
        << "an argument's own %2 stays";
    EXPECT_EQ(FormatText("%2 与 %1", "甲", "乙"), "乙 与 甲");
    EXPECT_EQ(FormatText("不到 5%（%1）", "p = 0.01"), "不到 5%（p = 0.01）") << "a % before no digit stays";
    EXPECT_EQ(FormatText("%1%", -9LL), "-9%");
    EXPECT_EQ(FormatText("%1 期，%2 次", 3), "3 期，%2 次") << "a placeholder without its argument is left";
    EXPECT_EQ(FormatText(Messages::kSaveFailed), Messages::kSaveFailed.text);
}

}  // namespace
