// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "core/MessageTexts.h"
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
    return FormatText(Messages::kMissingValue, option);
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
            return MissingValue(shown) + FormatText(Messages::kValueIsOption, Shown(value));
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
            return FormatText(Messages::kUnknownOption, Shown(argument));
        }
        if (unknown.isEmpty() && HasEquals(argument) && std::ranges::find(kFlags, name) != kFlags.end()) {
            return FormatText(Messages::kFlagWithValue, name);
        }
    }
    return Messages::kUnreadableCommandLine.text;
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
            commandLine.error = FormatText(Messages::kOptionTwice, shown);
        } else if (values.front().isEmpty()) {
            commandLine.error = MissingValue(shown);
        } else if (option.isCommand && command != nullptr) {
            commandLine.error = FormatText(Messages::kOnlyOneOf, "--" + std::string(command->name), shown);
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
        commandLine.error = FormatText(Messages::kArchiveCountWrong, Shown(count));
    }
    commandLine.archive = commandLine.error.empty() ? value : 0;
}

void ReadFlags(const Parsed& parsed, CommandLine& commandLine) {
    const bool classic = parsed.parser.isSet(parsed.classic);
    const bool extended = parsed.parser.isSet(parsed.extended);
    if (classic && extended) {
        commandLine.error = FormatText(Messages::kOnlyOneOf, "--classic", "--extended");
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
            commandLine.error = FormatText(Messages::kArgumentNotUtf8, Shown(argument));
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
        commandLine.error = FormatText(Messages::kExtraArgument, Shown(extra.front().toStdString()));
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
        commandLine.error = Messages::kWorkbookToStandardOutput.text;
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
    return Messages::kNoDisplay.text;
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
    return Messages::kUsage.text;
}

std::string VersionText(CalendarEdition edition) {
    const MessageText& calendar =
        edition == CalendarEdition::Classic ? Messages::kClassicCalendar : Messages::kExtendedCalendar;
    return FormatText(Messages::kVersion, kPackageVersion, calendar.text);
}

std::string ErrorText(const std::string& error) {
    return FormatText(Messages::kCommandLineError, error);
}
