// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the application object: the order of its steps, its messages, and the main window it runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <string>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "controls/ProgramFiles.h"
#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/MessageSink.h"
#include "tests/support/AppFixture.h"
#include "tests/support/EnvironmentScope.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestDatabase.h"

namespace {

class PredictAppTest : public AppFixture {
protected:
    // The program's own application object, whose start-up ends in the main window (one object at a time).
    void SetUp() override {
        AppFixture::SetUp();
        app.reset();
        app = std::make_unique<CMainApp>();
    }

    // Runs the start-up; the main window, once up, is looked at and closed from inside its event loop.
    bool StartAndClose(const CommandLine& commandLine = {}) {
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
        return app->InitInstance(commandLine);
    }

    // A fresh database at path, with the player's name changed to name.
    static void WriteDatabase(const QString& path, const char* name) {
        ASSERT_TRUE(WriteFreshDatabase(path.toStdString()));
        RunSql(path.toStdString(), std::string("UPDATE player SET name = '") + name + "'");
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString UserFile() const { return dataHome.filePath(QStringLiteral("morvint/morvint.db")); }

    std::size_t messagesBeforeWindow = 0;
    int windowsRun = 0;
    QString playerLabel;
    Qt::WindowModality modality = Qt::ApplicationModal;
};

TEST_F(PredictAppTest, WithoutADatabaseTheThreeFailuresAreShownInOrderBeforeTheMainWindow) {
    EXPECT_FALSE(StartAndClose());

    const std::vector<RecordedMessage> expected = {Messages::kConnectFailed, Messages::kPlayerLoadFailed,
                                                   Messages::kHistoryLoadFailed};
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(windowsRun, 1);
    EXPECT_EQ(messagesBeforeWindow, 3u);
    EXPECT_EQ(app->HistoryCount(), 0);
    EXPECT_EQ(playerLabel, QString()) << "an empty profile shows an empty name";
    EXPECT_FALSE(QFile::exists(UserFile())) << "without a template nothing is made for the user";
}

TEST_F(PredictAppTest, TheUsersDatabaseLiesInTheDataFolderOfTheDesktop) {
    EXPECT_EQ(UserDatabaseFile(), UserFile());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("morvint"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.morvint.Quintara"));
}

// An installed program: its data folder holds only the template, which each user's first start copies.
TEST_F(PredictAppTest, AnInstalledProgramMakesEachUsersDatabaseFromTheTemplateOnce) {
    const QString templateFile = dir.filePath(QStringLiteral("morvint.db"));
    WriteDatabase(templateFile, "新玩家");
    const QByteArray templateBytes = Bytes(templateFile);
    SetProgramFilesFolder(dir.path(), false);

    StartAndClose();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(playerLabel, QStringLiteral("新玩家    "));
    EXPECT_EQ(Bytes(UserFile()), templateBytes);

    // The user's file is theirs from now on: a second start opens it and leaves the template alone.
    RunSql(UserFile().toStdString(), "UPDATE player SET name = '李明', sex = '小姐'");
    app.reset();
    app = std::make_unique<CMainApp>();
    StartAndClose();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(playerLabel, QStringLiteral("李明小姐"));
    EXPECT_EQ(Bytes(templateFile), templateBytes);
}

TEST_F(PredictAppTest, TheDatabaseNamedOnTheCommandLineIsOpenedInsteadOfTheUsualOne) {
    WriteDatabase(dir.filePath(QStringLiteral("morvint.db")), "便携");
    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("试用.db"));
    WriteDatabase(named, "试用");

    StartAndClose(ParseCommandLine({"--database", named.toStdString()}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app->Player().name, "试用");

    // A named file that is not there is not made: the three messages say so.
    app.reset();
    app = std::make_unique<CMainApp>();
    StartAndClose(
        ParseCommandLine({"--database", elsewhere.filePath(QStringLiteral("无.db")).toStdString()}));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], RecordedMessage(Messages::kConnectFailed));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath(QStringLiteral("无.db"))));
    EXPECT_FALSE(QFile::exists(UserFile()));
}

// Without a home folder an installed program has nowhere to keep the player's records: it says why and ends,
// instead of making them under "/" (Qt's home when $HOME is unset) or the current folder. A database named on
// the command line, or the one of a portable folder, needs no home.
TEST_F(PredictAppTest, WithoutAHomeFolderTheStartSaysWhyAndEndsUnlessTheDatabaseIsKnown) {
    WriteDatabase(dir.filePath(QStringLiteral("morvint.db")), "新玩家");
    SetProgramFilesFolder(dir.path(), false);
    QTemporaryDir current;
    ASSERT_TRUE(current.isValid());
    const QString previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    EnvironmentScope environment;
    environment.Unset("XDG_DATA_HOME");
    environment.Unset("HOME");
    const auto refused = [](const QString& why) {
        return RecordedMessage(TextOf(Messages::kHomeUnusable).arg(why), CaptionOf(Messages::kHomeUnusable));
    };
    const struct {
        QByteArray home;
        RecordedMessage said;
    } kHomes[] = {
        {{}, refused(TextOf(Messages::kHomeNotSet))},
        {"", refused(TextOf(Messages::kHomeNotSet))},
        {"home/player", refused(TextOf(Messages::kHomeNotAbsolute).arg(QuotedFileName("home/player")))}};
    for (const auto& [home, said] : kHomes) {
        if (!home.isNull()) {
            environment.Set("HOME", home);
        }
        app.reset();
        app = std::make_unique<CMainApp>();
        messages.clear();
        StartAndClose();
        EXPECT_EQ(messages, std::vector<RecordedMessage>{said});
        EXPECT_EQ(app->ExitCode(), kExitFailure);
        EXPECT_EQ(windowsRun, 0);
    }
    EXPECT_TRUE(QDir(current.path()).isEmpty()) << "something was made under the current folder";

    const QString named = current.filePath(QStringLiteral("试用.db"));
    WriteDatabase(named, "试用");
    app.reset();
    app = std::make_unique<CMainApp>();
    messages.clear();
    StartAndClose(ParseCommandLine({"--database", named.toStdString()}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app->ExitCode(), 0);
    EXPECT_EQ(windowsRun, 1);
    EXPECT_EQ(app->Player().name, "试用");

    SetProgramFilesFolder(dir.path(), true);
    app.reset();
    app = std::make_unique<CMainApp>();
    StartAndClose();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(windowsRun, 2) << "a portable folder's database needs no home";
    EXPECT_EQ(app->Player().name, "新玩家");
    QDir::setCurrent(previousFolder);
}

// Ledger prices the program passes over are said once, before the window: otherwise the statistics would
// show the defaults as if they were the player's.
TEST_F(PredictAppTest, SettingsThatWereNotUsedAreSaidOnceBeforeTheMainWindow) {
    ASSERT_TRUE(WriteFreshDatabase((dir.path() + QStringLiteral("/morvint.db")).toStdString()));
    const QString settingsFile = configHome.filePath(QStringLiteral("morvint/morvint.conf"));
    ASSERT_TRUE(QDir(configHome.path()).mkpath(QStringLiteral("morvint")));
    QFile settings(settingsFile);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[ledger]\nstake=1e308\nsixPrize=0x10\n");
    settings.close();

    StartAndClose();

    const QString file = QuotedFileName(LocalPath(settingsFile));
    const QString text =
        TextOf(Messages::kLedgerSettingIgnored)
            .arg(file, QStringLiteral("stake"), QStringLiteral("“1e308”"), QStringLiteral("2")) +
        u'\n' +
        TextOf(Messages::kLedgerSettingIgnored)
            .arg(file, QStringLiteral("sixPrize"), QStringLiteral("“0x10”"), QStringLiteral("173"));
    EXPECT_EQ(messages, std::vector<RecordedMessage>{
                            RecordedMessage(text, CaptionOf(Messages::kLedgerSettingIgnored))});
    EXPECT_EQ(messagesBeforeWindow, 1u);
    EXPECT_EQ(windowsRun, 1);
}

TEST_F(PredictAppTest, AFreshDatabaseStartsSilentlyWithTheNewPlayer) {
    ASSERT_TRUE(WriteFreshDatabase((dir.path() + QStringLiteral("/morvint.db")).toStdString()));

    StartAndClose();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(windowsRun, 1);
    EXPECT_EQ(app->Player().name, "新玩家");
    EXPECT_EQ(playerLabel, QStringLiteral("新玩家    "));
    EXPECT_EQ(modality, Qt::NonModal) << "a modal main window is marked as a modal dialog on the desktop";
}

TEST_F(PredictAppTest, StartUpSetsTheEarliestDrawDateAndFillsTheRandomTableFromTheClock) {
    FixedClock clock(2010, 3, 5, 8, 0, 0);
    app->state.minDrawDate = COleDateTime();

    StartAndClose();

    EXPECT_EQ(app->state.minDrawDate, COleDateTime(2009, 6, 17));
    EXPECT_EQ(app->HistoryCount(), 0);
    CRandomTable expected;
    expected.Fill(static_cast<std::uint32_t>(Clock::Now()));
    EXPECT_EQ(app->random.randomTable, expected.randomTable);
}

TEST_F(PredictAppTest, MessagesWithoutCaptionCarryTheApplicationTitle) {
    ShowMessage(Messages::kSaveFailed.text);
    ShowMessage(Messages::kDateOutOfRange.text, "日期");

    const std::vector<RecordedMessage> expected = {
        {TextOf(Messages::kSaveFailed), QStringLiteral("morvint")},
        {TextOf(Messages::kDateOutOfRange), QStringLiteral("日期")}};
    EXPECT_EQ(messages, expected);
}

}  // namespace
