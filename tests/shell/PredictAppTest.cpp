// Start-up of the application object: the order of its steps, its messages, and the main window it runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <string>

#include "core/MessageSink.h"
#include "shell/CMainDlg.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FixedClock.h"
#include "tools/emptydb/EmptyDatabase.h"

namespace {

class PredictAppTest : public AppFixture {
protected:
    // Runs the start-up; the main window, once up, is looked at and closed from inside its event loop.
    bool StartAndClose() {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* main = qobject_cast<CMainDlg*>(window); main != nullptr && main->isVisible()) {
                    ++windowsRun;
                    messagesBeforeWindow = messages.size();
                    playerLabel = main->playerLabel.text();
                    modality = main->windowModality();
                    main->close();
                }
            }
        });
        poll.start(5);
        return app->InitInstance();
    }

    std::size_t messagesBeforeWindow = 0;
    int windowsRun = 0;
    QString playerLabel;
    Qt::WindowModality modality = Qt::ApplicationModal;
};

TEST_F(PredictAppTest, WithoutADatabaseTheThreeFailuresAreShownInOrderBeforeTheMainWindow) {
    EXPECT_FALSE(StartAndClose());

    const std::vector<RecordedMessage> expected = {
        {QStringLiteral("连接数据库失败!"), QStringLiteral("morvint")},
        {QStringLiteral("读取数据库player失败!"), QStringLiteral("morvint")},
        {QStringLiteral("读取数据库history失败!"), QStringLiteral("morvint")}};
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(windowsRun, 1);
    EXPECT_EQ(messagesBeforeWindow, 3u);
    EXPECT_EQ(app->historyCount, 0);
    EXPECT_EQ(playerLabel, QString()) << "an empty profile shows an empty name";
}

TEST_F(PredictAppTest, AFreshDatabaseStartsSilentlyWithTheNewPlayer) {
    std::string error;
    ASSERT_TRUE(WriteEmptyDatabase((dir.path() + QStringLiteral("/morvint.db")).toStdString(), error))
        << error;

    StartAndClose();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(windowsRun, 1);
    EXPECT_EQ(app->name, "新玩家");
    EXPECT_EQ(playerLabel, QStringLiteral("新玩家    "));
    EXPECT_EQ(modality, Qt::NonModal) << "a modal main window is marked as a modal dialog on the desktop";
}

TEST_F(PredictAppTest, StartUpSetsTheEarliestDrawDateAndFillsTheRandomTableFromTheClock) {
    FixedClock clock(2010, 3, 5, 8, 0, 0);
    app->state.minDrawDate = COleDateTime();
    app->historyCount = 7;  // whatever was there: start-up counts from zero

    StartAndClose();

    EXPECT_EQ(app->state.minDrawDate, COleDateTime(2009, 6, 17));
    EXPECT_EQ(app->historyCount, 0);
    CRandomTable expected;
    expected.Fill(static_cast<std::uint32_t>(Clock::Now()));
    EXPECT_EQ(app->random.randomTable, expected.randomTable);
}

TEST_F(PredictAppTest, MessagesWithoutCaptionCarryTheApplicationTitle) {
    ShowMessage("保存失败!");
    ShowMessage("日期超出范围！", "日期");

    const std::vector<RecordedMessage> expected = {
        {QStringLiteral("保存失败!"), QStringLiteral("morvint")},
        {QStringLiteral("日期超出范围！"), QStringLiteral("日期")}};
    EXPECT_EQ(messages, expected);
}

}  // namespace
