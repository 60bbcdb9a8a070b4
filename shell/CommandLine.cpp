#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "core/Utf8Text.h"
#include "shell/PackageVersion.h"  // written by the build

namespace {

// The options QApplication takes for itself, in the forms Qt 6 accepts them: with one dash or two, the value
// in the next argument, and for a few of them also after '=' (-style=Fusion). They are left where they are
// for QApplication to read.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
    bool takesEquals;
};
constexpr std::array<ToolkitOption, 21> kToolkitOptions{{
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowtitle", true, false},
    {"qwindowicon", true, false},
    {"session", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"reverse", false, false},
    {"widgetcount", false, false},
    {"testability", false, false},
    {"nograb", false, false},
    {"dograb", false, false},
}};
constexpr std::string_view kQmlDebugger = "qmljsdebugger";  // only as -qmljsdebugger=...

// The options of our own that name a file: "--option FILE" or "--option=FILE", at most once each.
struct FileOption {
    const char* name;
    std::string CommandLine::*file;
    bool isCommand;  // work on the records that ends without a window; only one per start
};
constexpr std::array<FileOption, 7> kFileOptions{{
    {"database", &CommandLine::database, false},
    {"export-csv", &CommandLine::exportCsv, true},
    {"export-xlsx", &CommandLine::exportXlsx, true},
    {"import-draws", &CommandLine::importDraws, true},
    {"backup", &CommandLine::backup, true},
    {"restore", &CommandLine::restore, true},
    {"archive", &CommandLine::archiveCount, true},
}};
constexpr std::array<const char*, 5> kFlags{"classic", "extended", "help", "h", "version"};

// An option's name without its dashes and its "=value"; empty for an argument that is no option.
std::string_view OptionName(std::string_view argument) {
    if (!argument.starts_with('-') || argument == "-" || argument == "--") {
        return {};
    }
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

bool HasEquals(std::string_view argument) {
    return argument.find('=') != std::string_view::npos;
}

const ToolkitOption* FindToolkitOption(std::string_view argument) {
    const std::string_view name = OptionName(argument);
    const auto found = std::ranges::find(kToolkitOptions, name, &ToolkitOption::name);
    if (found == kToolkitOptions.end() || (HasEquals(argument) && !found->takesEquals)) {
        return nullptr;
    }
    return &*found;
}

const FileOption* FindFileOption(std::string_view name) {
    const auto found = std::ranges::find(kFileOptions, name, &FileOption::name);
    return found == kFileOptions.end() ? nullptr : &*found;
}

std::string Shown(const std::string& argument) {
    return EchoText(argument, 80);
}

std::string MissingValue(std::string_view option) {
    return "选项“" + std::string(option) + "”后面缺少参数。";
}

// Our own arguments, without Qt's options and their values; the error is set when one of those lacks its
// value. -platform and -display name a display of their own.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments,
                                               CommandLine& commandLine) {
    std::string& error = commandLine.error;
    std::vector<std::string> own;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            own.insert(own.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
            break;
        }
        if (OptionName(argument) == kQmlDebugger && HasEquals(argument)) {
            continue;
        }
        const ToolkitOption* option = FindToolkitOption(argument);
        if (option == nullptr) {
            own.push_back(argument);
            continue;
        }
        commandLine.namesDisplay =
            commandLine.namesDisplay || option->name == "platform" || option->name == "display";
        if (option->takesValue && !HasEquals(argument) && ++i >= arguments.size()) {
            error = MissingValue(argument);
            break;
        }
    }
    return own;
}

// A file option needs a value of its own: not missing, and not the next option ("--export-csv --help" names
// no file). A name that starts with a dash can still be given as "--export-csv=-name" or "./-name".
std::string CheckFileValues(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size() && arguments[i] != "--"; ++i) {
        const FileOption* option = FindFileOption(OptionName(arguments[i]));
        if (option == nullptr || HasEquals(arguments[i])) {
            continue;
        }
        const std::string shown = "--" + std::string(option->name);
        if (i + 1 >= arguments.size()) {
            return MissingValue(shown);
        }
        const std::string& value = arguments[i + 1];
        if (value.starts_with('-') && value != "-") {
            return MissingValue(shown) + "“" + Shown(value) + "”是另一个选项。";
        }
    }
    return {};
}

// Qt's parser says what it refused in English: the argument is found again and named in our own words.
std::string ParseFailure(const QCommandLineParser& parser, const std::vector<std::string>& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        const std::string_view name = OptionName(argument);
        if (!unknown.isEmpty() && unknown.front().toStdString() == name) {
            return "未知的选项“" + Shown(argument) + "”。";
        }
        if (unknown.isEmpty() && HasEquals(argument) && std::ranges::find(kFlags, name) != kFlags.end()) {
            return "选项“--" + std::string(name) + "”不带参数。";
        }
    }
    return "无法识别的命令行。";
}

struct Parsed {
    QCommandLineParser parser;
    QCommandLineOption classic{QStringLiteral("classic")};
    QCommandLineOption extended{QStringLiteral("extended")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
    std::vector<QCommandLineOption> files;

    Parsed() {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({classic, extended, help, version});
        for (const FileOption& option : kFileOptions) {
            files.emplace_back(QString::fromLatin1(option.name), QString(), QStringLiteral("文件"));
            parser.addOption(files.back());
        }
    }
};

void ReadFiles(const Parsed& parsed, CommandLine& commandLine) {
    const FileOption* command = nullptr;
    for (std::size_t i = 0; i < kFileOptions.size() && commandLine.error.empty(); ++i) {
        const FileOption& option = kFileOptions[i];
        const QStringList values = parsed.parser.values(parsed.files[i]);
        const std::string shown = "--" + std::string(option.name);
        if (values.isEmpty()) {
            continue;
        }
        if (values.size() > 1) {
            commandLine.error = "选项“" + shown + "”只能给一次。";
        } else if (values.front().isEmpty()) {
            commandLine.error = MissingValue(shown);
        } else if (option.isCommand && command != nullptr) {
            commandLine.error = "--" + std::string(command->name) + " 与 " + shown + " 只能选用一个。";
        } else {
            commandLine.*option.file = values.front().toStdString();
            command = option.isCommand ? &option : command;
        }
    }
}

// --archive takes how many records to archive: 1 .. 399, as the history holds no more.
void ReadArchiveCount(CommandLine& commandLine) {
    const std::string& count = commandLine.archiveCount;
    const bool digits = !count.empty() && count.size() <= 3 &&
                        std::ranges::all_of(count, [](char c) { return c >= '0' && c <= '9'; });
    const int value = digits ? std::stoi(count) : 0;
    if (!count.empty() && (value < 1 || value > 399)) {
        commandLine.error =
            "选项“--archive”后面应是要归档的记录条数（1～399），而不是“" + Shown(count) + "”。";
    }
    commandLine.archive = commandLine.error.empty() ? value : 0;
}

void ReadFlags(const Parsed& parsed, CommandLine& commandLine) {
    const bool classic = parsed.parser.isSet(parsed.classic);
    const bool extended = parsed.parser.isSet(parsed.extended);
    if (classic && extended) {
        commandLine.error = "--classic 与 --extended 只能选用一个。";
    } else if (classic || extended) {
        commandLine.edition = classic ? CalendarEdition::Classic : CalendarEdition::Extended;
    }
    commandLine.showHelp = parsed.parser.isSet(parsed.help);
    commandLine.showVersion = parsed.parser.isSet(parsed.version);
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    for (const std::string& argument : arguments) {
        if (!IsValidUtf8(argument)) {
            commandLine.error =
                "参数“" + Shown(argument) +
                "”含有不是 UTF-8 编码的字节，本程序无法表示这个名字；请改用 UTF-8 编码的文件名。";
            return commandLine;
        }
    }
    const std::vector<std::string> own = WithoutToolkitOptions(arguments, commandLine);
    if (commandLine.error.empty()) {
        commandLine.error = CheckFileValues(own);
    }
    if (!commandLine.error.empty()) {
        return commandLine;
    }
    Parsed parsed;
    QStringList list{QStringLiteral("morvint")};
    for (const std::string& argument : own) {
        list << QString::fromStdString(argument);
    }
    if (!parsed.parser.parse(list)) {
        commandLine.error = ParseFailure(parsed.parser, own);
        return commandLine;
    }
    if (const QStringList extra = parsed.parser.positionalArguments(); !extra.isEmpty()) {
        commandLine.error = "多余的参数“" + Shown(extra.front().toStdString()) + "”：本程序不打开文件。";
        return commandLine;
    }
    ReadFlags(parsed, commandLine);
    if (commandLine.error.empty()) {
        ReadFiles(parsed, commandLine);
    }
    if (commandLine.error.empty()) {
        ReadArchiveCount(commandLine);
    }
    // A workbook is a zip file, no stream for a terminal or a pipe; a file named "-" is "./-".
    if (commandLine.exportXlsx == "-") {
        commandLine.error = "选项“--export-xlsx”后面应是文件名：Excel 表格不能写到标准输出。";
    }
    return commandLine;
}

namespace {

bool EnvironmentNames(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool HasDisplay(const CommandLine& commandLine) {
    return commandLine.namesDisplay || EnvironmentNames("DISPLAY") || EnvironmentNames("WAYLAND_DISPLAY") ||
           EnvironmentNames("QT_QPA_PLATFORM");
}

std::string NoDisplayText() {
    return "morvint：没有找到图形桌面（未设置 DISPLAY 或 WAYLAND_DISPLAY），无法打开程序窗口。\n"
           "请在图形桌面中启动本程序。不需要桌面也能使用的功能（如导出、导入预测记录），\n"
           "请用 morvint --help 查看。\n";
}

bool IsRecordsCommand(const CommandLine& commandLine) {
    return !commandLine.exportCsv.empty() || !commandLine.exportXlsx.empty() ||
           !commandLine.importDraws.empty() || !commandLine.backup.empty() || !commandLine.restore.empty() ||
           commandLine.archive > 0;
}

CalendarEdition ChosenCalendarEdition(const CommandLine& commandLine) {
    return commandLine.edition.value_or(EditionForDate(COleDateTime::GetCurrentTime()));
}

std::string UsageText() {
    return "用法：morvint [选项]\n"
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
           "  --backup 文件      把数据库完整备份到文件后退出\n"
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
           "\n"
           "导出、导入、备份、恢复和归档不需要显示器。成功时退出码为 0；文件或数据库无法读写、\n"
           "或有开奖号码被拒绝时为 1，并说明原因；命令行有误时为 2。\n";
}

std::string VersionText(CalendarEdition edition) {
    const char* calendar = edition == CalendarEdition::Classic
                               ? "经典版（2007-02-04 至 2012-02-04，开奖年份至 2011 年）"
                               : "扩展版（2007-02-04 至 2099-12-31，开奖年份至 2099 年）";
    return std::string("Quintara V4.3\n版本：") + kPackageVersion + "\n历法：" + calendar + "\n";
}

std::string ErrorText(const std::string& error) {
    return "morvint：" + error + "\n请用 morvint --help 查看可用的选项。\n";
}
