#include "shell/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace {

// Options QApplication takes for itself; the second member says whether a value follows.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<ToolkitOption, 17> kToolkitOptions{{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"qwindowgeometry", true},
    {"qwindowtitle", true},
    {"qwindowicon", true},
    {"display", true},
    {"geometry", true},
    {"name", true},
    {"title", true},
    {"reverse", false},
    {"widgetcount", false},
    {"sync", false},
}};

// Qt accepts its options with one dash or two.
const ToolkitOption* FindToolkitOption(std::string_view argument) {
    if (argument.starts_with("--")) {
        argument.remove_prefix(2);
    } else if (argument.starts_with('-')) {
        argument.remove_prefix(1);
    } else {
        return nullptr;
    }
    const auto found = std::ranges::find(kToolkitOptions, argument, &ToolkitOption::name);
    return found == kToolkitOptions.end() ? nullptr : &*found;
}

void ForceEdition(CommandLine& commandLine, CalendarEdition edition) {
    if (commandLine.edition && *commandLine.edition != edition) {
        commandLine.error = "--classic 与 --extended 只能选用一个。";
        return;
    }
    commandLine.edition = edition;
}

// The options that name a file: "--option FILE" or "--option=FILE".
struct FileOption {
    std::string_view name;
    std::string CommandLine::*file;
};
constexpr std::array<FileOption, 3> kFileOptions{{
    {"--database", &CommandLine::database},
    {"--export-csv", &CommandLine::exportCsv},
    {"--import-draws", &CommandLine::importDraws},
}};

const FileOption* FindFileOption(std::string_view argument) {
    for (const FileOption& option : kFileOptions) {
        if (argument == option.name ||
            (argument.starts_with(option.name) && argument.substr(option.name.size()).starts_with('='))) {
            return &option;
        }
    }
    return nullptr;
}

// i moves past a value in the next argument.
void ReadFile(CommandLine& commandLine, const FileOption& option, const std::vector<std::string>& arguments,
              std::size_t& i) {
    std::string& file = commandLine.*option.file;
    if (arguments[i].size() > option.name.size()) {
        file = arguments[i].substr(option.name.size() + 1);
    } else if (i + 1 < arguments.size()) {
        file = arguments[++i];
    }
    if (file.empty()) {
        commandLine.error = "选项“" + std::string(option.name) + "”后面缺少参数。";
    }
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    for (std::size_t i = 0; i < arguments.size() && commandLine.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--classic") {
            ForceEdition(commandLine, CalendarEdition::Classic);
        } else if (argument == "--extended") {
            ForceEdition(commandLine, CalendarEdition::Extended);
        } else if (argument == "--help" || argument == "-h") {
            commandLine.showHelp = true;
        } else if (argument == "--version") {
            commandLine.showVersion = true;
        } else if (const FileOption* fileOption = FindFileOption(argument)) {
            ReadFile(commandLine, *fileOption, arguments, i);
        } else if (const ToolkitOption* option = FindToolkitOption(argument)) {
            if (option->takesValue && ++i >= arguments.size()) {
                commandLine.error = "选项“" + argument + "”后面缺少参数。";
            }
            commandLine.namesDisplay =
                commandLine.namesDisplay || option->name == "platform" || option->name == "display";
        } else if (argument.starts_with('-')) {
            commandLine.error = "未知的选项“" + argument + "”。";
        } else {
            commandLine.error = "多余的参数“" + argument + "”：本程序不打开文件。";
        }
    }
    if (commandLine.error.empty() && !commandLine.exportCsv.empty() && !commandLine.importDraws.empty()) {
        commandLine.error = "--export-csv 与 --import-draws 只能选用一个。";
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
    return !commandLine.exportCsv.empty() || !commandLine.importDraws.empty();
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
           "  --export-csv 文件  把全部预测记录导出为 CSV 文件（UTF-8）后退出\n"
           "  --import-draws 文件\n"
           "                     从文件录入开奖号码后退出；每行一期：“期数,开奖号码”或\n"
           "                     “日期,开奖号码”（日期如 2009-06-17），规则与【预测记录】页相同\n"
           "  --help             显示本说明后退出\n"
           "  --version          显示版本和所用历法后退出\n"
           "\n"
           "不指定历法时，今天在 2011-12-31 及以前用经典版，从 2012-01-01 起用扩展版。\n"
           "不指定数据库时，程序文件夹中有可写的 morvint.db 就用它（便携版），否则用\n"
           "~/.local/share/morvint/morvint.db（$XDG_DATA_HOME/morvint/morvint.db），\n"
           "第一次启动时由安装的空白数据库复制而来。\n"
           "\n"
           "导出、导入不需要显示器。成功时退出码为 0；文件或数据库无法读写、\n"
           "或有开奖号码被拒绝时为 1，并说明原因。\n";
}

std::string VersionText(CalendarEdition edition) {
    const char* calendar = edition == CalendarEdition::Classic
                               ? "经典版（2007-02-04 至 2012-02-04，开奖年份至 2011 年）"
                               : "扩展版（2007-02-04 至 2099-12-31，开奖年份至 2099 年）";
    return std::string("Quintara V4.3\n历法：") + calendar + "\n";
}

std::string ErrorText(const std::string& error) {
    return "morvint：" + error + "\n请用 morvint --help 查看可用的选项。\n";
}
