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
