// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChineseTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace {

const QString kTranslatorName = QStringLiteral("morvint-qtbase-zh_CN");

}  // namespace

bool InstallChineseTranslations() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    if (application->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly) != nullptr) {
        return true;
    }
    auto* translator = new QTranslator(application);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    translator->setObjectName(kTranslatorName);
    return QCoreApplication::installTranslator(translator);
}
