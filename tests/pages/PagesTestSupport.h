#pragma once
// What the page tests share: a stand-in main window that records the navigation the pages ask for, a page
// created the way the main window creates one, and the history rows read straight from a database file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "controls/PostedMessage.h"
#include "store/CSqliteConnection.h"
#include "store/CSqliteStatement.h"
#include "tests/support/AppFixture.h"
#include "tools/emptydb/EmptyDatabase.h"

// What the number page says after a save, and when asked to save twice.
inline const RecordedMessage kSaved{
    QStringLiteral("预测结果已被保存到数据库中！\r\n您可以到【预测记录】中查看。"),
    QStringLiteral("保存成功")};
inline const RecordedMessage kAlreadySaved{QStringLiteral("预测结果已被保存过了！"),
                                           QStringLiteral("不要重复保存")};

// A fresh, empty "morvint.db" in folder; returns its path.
inline std::string FreshDatabase(const QString& folder) {
    const std::string path = (folder + QStringLiteral("/morvint.db")).toStdString();
    std::string error;
    EXPECT_TRUE(WriteEmptyDatabase(path, error)) << error;
    return path;
}

// Receives the pages' posted messages and keeps each (stage, code) they ask for.
class NavigationRecorder : public QObject {
public:
    std::vector<std::pair<int, int>> navigations;

protected:
    void customEvent(QEvent* event) override {
        if (event->type() != CPostedMessage::Type()) {
            return;
        }
        const auto* posted = static_cast<const CPostedMessage*>(event);
        if (posted->message == WM_NAVIGATE) {
            navigations.emplace_back(static_cast<int>(posted->wParam), static_cast<int>(posted->lParam));
        }
    }
};

// A page as the main window makes it: built without parent, told where to post, then created in its
// container (which runs its set-up). The container owns it.
template <class Page>
Page* CreatePage(QWidget& container, QObject& mainWindow) {
    auto* page = new Page();
    page->mainWindow = &mainWindow;
    page->Create(&container);
    return page;
}

// Every row of data_history in record order, each column as text: record_order, record_date, open_order,
// data_1 .. data_8, open_data, is_right.
inline std::vector<std::vector<std::string>> HistoryRows(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    CSqliteConnection db;
    if (!db.OpenExisting(path)) {
        return rows;
    }
    CSqliteStatement select(db,
                            "SELECT record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
                            "data_5, data_6, data_7, data_8, open_data, is_right FROM data_history "
                            "ORDER BY record_order");
    while (select.IsPrepared() && select.Step() == CSqliteStatement::StepResult::row) {
        auto& row = rows.emplace_back();
        for (int column = 0; column < select.ColumnCount(); ++column) {
            std::string text = "NULL";
            select.Column(column).ToText(text);
            row.push_back(text);
        }
    }
    return rows;
}
