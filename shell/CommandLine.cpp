#include "shell/CommandLine.h"

#include <algorithm>
#include <array>
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

// "--database FILE" or "--database=FILE"; i moves past a value in the next argument.
void ReadDatabase(CommandLine& commandLine, const std::vector<std::string>& arguments, std::size_t& i) {
    const std::string_view option = "--database";
    if (arguments[i].size() > option.size()) {
        commandLine.database = arguments[i].substr(option.size() + 1);
    } else if (i + 1 < arguments.size()) {
        commandLine.database = arguments[++i];
    }
    if (commandLine.database.empty()) {
        commandLine.error = "选项“--database”后面缺少参数。";
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
        } else if (argument == "--database" || argument.starts_with("--database=")) {
            ReadDatabase(commandLine, arguments, i);
        } else if (const ToolkitOption* option = FindToolkitOption(argument)) {
            if (option->takesValue && ++i >= arguments.size()) {
                commandLine.error = "选项“" + argument + "”后面缺少参数。";
            }
        } else if (argument.starts_with('-')) {
            commandLine.error = "未知的选项“" + argument + "”。";
        } else {
            commandLine.error = "多余的参数“" + argument + "”：本程序不打开文件。";
        }
    }
    return commandLine;
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
           "  --help             显示本说明后退出\n"
           "  --version          显示版本和所用历法后退出\n"
           "\n"
           "不指定历法时，今天在 2011-12-31 及以前用经典版，从 2012-01-01 起用扩展版。\n"
           "不指定数据库时，程序文件夹中有可写的 morvint.db 就用它（便携版），否则用\n"
           "~/.local/share/morvint/morvint.db（$XDG_DATA_HOME/morvint/morvint.db），\n"
           "第一次启动时由安装的空白数据库复制而来。\n";
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
