// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page tests share: the number page's messages, a fresh database in a test's folder, and a page
// created the way the main window creates one. The stand-in main window that records the navigation the
// pages ask for is the support library's PostedRecorder.
#include <QObject>
#include <QString>
#include <QWidget>
#include <string>
#include <utility>

#include "tests/support/AppFixture.h"
#include "tests/support/PostedRecorder.h"
#include "tests/support/TestDatabase.h"

// What the number page says after a save, and when asked to save twice.
inline const RecordedMessage kSaved{Messages::kSaved};
inline const RecordedMessage kAlreadySaved{Messages::kAlreadySaved};

// A fresh, empty "morvint.db" in folder; returns its path.
inline std::string FreshDatabase(const QString& folder) {
    const std::string path = (folder + QStringLiteral("/morvint.db")).toStdString();
    WriteFreshDatabase(path);
    return path;
}

// A page as the main window makes it: built without parent from what it is handed, told where to post, then
// created in its container (which runs its set-up). The container owns it.
template <class Page, class... Arguments>
Page* CreatePage(QWidget& container, QObject& mainWindow, Arguments&&... arguments) {
    auto* page = new Page(std::forward<Arguments>(arguments)...);
    page->mainWindow = &mainWindow;
    page->Create(&container);
    return page;
}
