// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page tests on a real database: the application object of AppFixture opened on a fresh empty "morvint.db" in
// the test's own program files folder, with the page backgrounds copied there; the file is read and changed
// directly (as another program would) to set up cases and to check what the page saved. The page's posted
// navigation messages are recorded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <array>
#include <string>
#include <vector>

#include "controls/PostedMessage.h"
#include "shell/CPageDialog.h"
#include "tests/support/AppFixture.h"
#include "tests/support/HistoryRowSql.h"
#include "tests/support/PostedRecorder.h"
#include "tests/support/TestDatabase.h"

class PageStoreFixture : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        database = (dir.path() + QStringLiteral("/morvint.db")).toStdString();
        ASSERT_TRUE(WriteFreshDatabase(database));
        for (const char* picture : {"history.ggr", "player.ggr"}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(MORVINT_PROGRAM_DIR "/") + QLatin1String(picture),
                                    dir.filePath(QLatin1String(picture))));
        }
    }

    // Opens the store on the file and loads it, as start-up does.
    void OpenStore() {
        app->OpenDatabase();
        app->LoadPlayer();
        app->LoadHistory();
    }

    // A page as the main window makes one: its messages go to the recorder.
    template <class Page>
    void Show(Page& page) {
        page.mainWindow = &mainWindow;
        page.show();
    }

    std::vector<PostedRecorder::Post> DeliveredPosts() {
        QCoreApplication::sendPostedEvents(&mainWindow);
        return mainWindow.posts;
    }

    void Sql(const std::string& sql) const { RunSql(database, sql); }

    // Every row of a query, each column as text ("NULL" for a NULL).
    TextRows Rows(const std::string& sql) const { return RowsAsText(database, sql); }

    // One saved prediction; date as "YYYY-MM-DD HH:MM:SS".
    void AddRecord(int order, const std::string& date, const std::array<std::string, 8>& codes,
                   int isRight = 11, const std::string& drawNumber = "未知") const {
        Sql(InsertHistorySql({.order = order,
                              .date = date,
                              .openOrder = "1000" + std::to_string(order),
                              .codes = TextCodes(codes),
                              .openData = drawNumber,
                              .isRight = isRight}));
    }

    // A full history: records 1 .. 399, one a day from 2008-01-02, all with the same codes and draw.
    void FillHistory(const std::string& drawNumber, int isRight) const {
        std::vector<HistoryRowSql> rows;
        for (int order = 1; order <= 399; ++order) {
            const QDate day = QDate(2008, 1, 1).addDays(order);
            rows.push_back({.order = order,
                            .date = day.toString(QStringLiteral("yyyy-MM-dd 00:00:00")).toStdString(),
                            .openOrder = std::to_string(order),
                            .codes = {"1", "2", "3", "4", "5", "6", "7", "8"},
                            .openData = drawNumber,
                            .isRight = isRight});
        }
        Sql(InsertHistorySql(rows));
    }

    std::string database;
    PostedRecorder mainWindow;
};
