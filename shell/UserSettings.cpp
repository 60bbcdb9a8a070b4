#include "shell/UserSettings.h"

#include <QSettings>
#include <QString>

namespace {

const QString kMutedKey = QStringLiteral("sound/muted");

// Named explicitly: the application sets no organisation name, because that would move its data folder too.
QSettings OpenSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("morvint"),
                     QStringLiteral("morvint"));
}

}  // namespace

bool MutedSetting() {
    return OpenSettings().value(kMutedKey, false).toBool();
}

void SaveMutedSetting(bool muted) {
    QSettings settings = OpenSettings();
    settings.setValue(kMutedKey, muted);
    settings.sync();
}

namespace {

int PriceSetting(const QSettings& settings, const QString& key, int fallback) {
    constexpr int kHighestPrice = 10'000'000;
    bool number = false;
    const int value = settings.value(key).toString().trimmed().toInt(&number);
    return number && value >= 1 && value <= kHighestPrice ? value : fallback;
}

}  // namespace

LedgerPrices LedgerPricesSetting() {
    const QSettings settings = OpenSettings();
    const LedgerPrices defaults;
    return {PriceSetting(settings, QStringLiteral("ledger/stake"), defaults.stake),
            PriceSetting(settings, QStringLiteral("ledger/straightPrize"), defaults.straightPrize),
            PriceSetting(settings, QStringLiteral("ledger/pairPrize"), defaults.pairPrize),
            PriceSetting(settings, QStringLiteral("ledger/sixPrize"), defaults.sixPrize)};
}
