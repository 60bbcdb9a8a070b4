// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/UserSettings.h"

#include <QSettings>
#include <QString>
#include <cerrno>
#include <optional>
#include <string>

#include "core/Utf8Text.h"
#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "store/RegularFile.h"

namespace {

const QString kMutedKey = QStringLiteral("sound/muted");

// A few lines are all the program writes; a larger file is not its settings.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

// The settings file and whether it may be read and written.
struct SettingsFile {
    QString path;  // empty without a home folder
    FileOutcome outcome;
    bool usable = false;  // a regular file, or nothing yet at path
};

// Checked before every use: QSettings opens whatever is at the name, and an open of a pipe without a writer
// never returns. The check reads the file the way the import reads its draws, which never blocks; should a
// pipe be put there between the check and QSettings' own read, only the user who owns the folder can have
// done it.
SettingsFile CheckSettingsFile() {
    SettingsFile file;
    const QString folder = XdgFolder("XDG_CONFIG_HOME", ".config");
    if (folder.isEmpty()) {
        return file;
    }
    file.path = folder + QStringLiteral("/morvint/morvint.conf");
    std::string bytes;
    file.outcome = ReadRegularFile(LocalPath(file.path), kLargestSettingsFile, bytes);
    file.usable =
        file.outcome.Ok() || (file.outcome.kind == FileOutcome::Kind::system && file.outcome.error == ENOENT);
    return file;
}

// The file is named rather than found from the application's name: that would also read the settings of an
// organisation "morvint" (~/.config/morvint.conf) and the system's, each of which could be a pipe too.
QSettings OpenSettings(const SettingsFile& file) {
    return QSettings(file.path, QSettings::IniFormat);
}

}  // namespace

bool MutedSetting() {
    const SettingsFile file = CheckSettingsFile();
    return file.usable && OpenSettings(file).value(kMutedKey, false).toBool();
}

void SaveMutedSetting(bool muted) {
    const SettingsFile file = CheckSettingsFile();
    if (!file.usable) {
        return;
    }
    QSettings settings = OpenSettings(file);
    settings.setValue(kMutedKey, muted);
    settings.sync();
}

namespace {

constexpr int kHighestPrice = 10'000'000;

struct PriceKey {
    const char* name;
    int LedgerPrices::*field;
};
constexpr PriceKey kPriceKeys[] = {{"stake", &LedgerPrices::stake},
                                   {"straightPrize", &LedgerPrices::straightPrize},
                                   {"pairPrize", &LedgerPrices::pairPrize},
                                   {"sixPrize", &LedgerPrices::sixPrize}};

// The value as the file spells it: QSettings reads "1, 2" as a list and "@Rect(…)" as a rectangle.
QString ValueText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.canConvert<QString>() ? value.toString() : QString::fromLatin1(value.typeName());
}

// A whole number of 元 from 1 to kHighestPrice, in plain or full-width digits; nothing else (no sign, no
// exponent, no hexadecimal).
std::optional<int> ParsePrice(const QString& text) {
    const std::string digits =
        QString::fromStdString(FoldFullWidth(text.toStdString())).trimmed().toStdString();
    if (digits.empty() || digits.size() > 12) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return value >= 1 && value <= kHighestPrice ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
}

// The prices of a usable settings file; each value the program ignored is named in notices.
LedgerPrices ReadLedgerPrices(const SettingsFile& file, QStringList* notices) {
    LedgerPrices prices;
    if (!file.usable || file.path.isEmpty()) {
        return prices;
    }
    const QSettings settings = OpenSettings(file);
    for (const PriceKey& key : kPriceKeys) {
        const QVariant value = settings.value(QStringLiteral("ledger/") + QLatin1String(key.name));
        if (!value.isValid()) {
            continue;
        }
        const QString text = ValueText(value);
        if (const std::optional<int> price = ParsePrice(text)) {
            prices.*key.field = *price;
        } else if (notices != nullptr) {
            const QString shown =
                QStringLiteral("“%1”").arg(QString::fromStdString(EchoText(text.toStdString(), 40)));
            // In one pass: a value that holds "%4" stays as it is.
            *notices << TextOf(Messages::kLedgerSettingIgnored)
                            .arg(QuotedFileName(LocalPath(file.path)), QLatin1String(key.name), shown,
                                 QString::number(prices.*key.field));
        }
    }
    return prices;
}

}  // namespace

LedgerPrices LedgerPricesSetting() {
    return ReadLedgerPrices(CheckSettingsFile(), nullptr);
}

QStringList SettingsNotices() {
    const SettingsFile file = CheckSettingsFile();
    QStringList notices;
    if (!file.usable && !file.path.isEmpty()) {
        const std::string path = LocalPath(file.path);
        const QString why = file.outcome.kind == FileOutcome::Kind::tooLarge
                                ? TextOf(Messages::kSettingsFileTooLarge).arg(QuotedFileName(path))
                                : ReadFailureText(path, file.outcome);
        notices << TextOf(Messages::kSettingsFileUnusable).arg(why);
    }
    ReadLedgerPrices(file, &notices);
    return notices;
}
