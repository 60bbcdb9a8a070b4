// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "controls/ProgramFiles.h"
#include "shell/CHelpWindow.h"
#include "shell/CSoundPlayer.h"
#include "shell/ChineseTranslations.h"
#include "shell/MessageBox.h"
#include "shell/OpenHelp.h"
#include "shell/PageChrome.h"
#include "tests/support/PendingEvents.h"

namespace {

TEST(MessageBoxTest, HandlerRecordsTextAndCaption) {
    QStringList seen;
    const MessageBoxHandler old = SetMessageBoxHandler(
        [&seen](const QString& text, const QString& caption) { seen << text << caption; });
    MessageBox(Messages::kConnectFailed, nullptr);
    SetMessageBoxHandler(old);
    EXPECT_EQ(seen, (QStringList{TextOf(Messages::kConnectFailed), CaptionOf(Messages::kConnectFailed)}));
}

TEST(MessageBoxTest, WithoutHandlerShowsAModalBoxWithOkOnly) {
    QString text;
    QString caption;
    QString ok;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        ok = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    MessageBox(QStringLiteral("期号不能为空"), QStringLiteral("提示"), nullptr);
    EXPECT_EQ(text, QStringLiteral("期号不能为空"));
    EXPECT_EQ(caption, QStringLiteral("提示"));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(ok, QStringLiteral("确定"));
}

// A window manager puts the caption in the title bar beside its buttons: a short text must not leave the box
// too narrow for its caption (Messages::kNotDue's caption 未开奖 once showed as 未…).
TEST(MessageBoxTest, TheBoxIsWideEnoughForItsCaptionInTheTitleBar) {
    int width = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        width = box->width();
        box->button(QMessageBox::Ok)->click();
    });
    MessageBox(Messages::kNotDue, nullptr);
    EXPECT_GE(width,
              QFontMetrics(QApplication::font()).horizontalAdvance(CaptionOf(Messages::kNotDue)) + 140);
}

// The test main loads Qt's Chinese texts the way the program does; the second load finds them in place.
TEST(ChineseTranslationsTest, TextBoxMenusOfFieldsAndTheHelpViewerAreChinese) {
    EXPECT_TRUE(InstallChineseTranslations());
    EXPECT_EQ(QApplication::instance()->findChildren<QTranslator*>().size(), 1);

    QLineEdit field;
    const std::unique_ptr<QMenu> fieldMenu(field.createStandardContextMenu());
    QStringList fieldItems;
    for (const QAction* action : fieldMenu->actions()) {
        if (!action->isSeparator()) {
            fieldItems << action->text().section(QLatin1Char('\t'), 0, 0);
        }
    }
    EXPECT_EQ(fieldItems.join(u' ').toStdString(), "撤消(&U) 重做(&R) 剪切(&T) 复制(&C) 粘贴(&P) 删除 全选");

    QTextBrowser viewer;
    viewer.setPlainText(QStringLiteral("帮助"));
    const std::unique_ptr<QMenu> viewerMenu(viewer.createStandardContextMenu());
    ASSERT_FALSE(viewerMenu->actions().isEmpty());
    EXPECT_TRUE(viewerMenu->actions().front()->text().startsWith(QStringLiteral("复制")))
        << viewerMenu->actions().front()->text().toStdString();
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override {
        if (CHelpWindow* window = CHelpWindow::Current()) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString WriteHelp(const QString& name, const QString& title, const QString& body) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><head><title>%1</title></head><body><p>%2</p></body></html>")
                       .arg(title, body)
                       .toUtf8());
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(HelpTest, DocumentsLieWithTheProgramsOtherFiles) {
    const QString previous = SetProgramFilesFolder(dir.path());
    const QString folder = dir.path();
    EXPECT_EQ(HelpFilePath(0), folder + "/help.html");
    EXPECT_EQ(HelpFilePath(1), folder + "/help_yuce.html");
    EXPECT_EQ(HelpFilePath(2), folder + "/help_yunqi.html");
    EXPECT_FALSE(HelpFilePath(3).endsWith(".html"));

    OpenHelp(1);
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
    WriteHelp(QStringLiteral("help_yuce.html"), QStringLiteral("预测"), QStringLiteral("x"));
    OpenHelp(1);
    SetProgramFilesFolder(previous);
    ASSERT_NE(CHelpWindow::Current(), nullptr);
    EXPECT_EQ(CHelpWindow::Current()->windowTitle(), QStringLiteral("预测"));
}

TEST_F(HelpTest, MissingDocumentOpensNothing) {
    const QString previous = SetProgramFilesFolder(dir.path());
    OpenHelp(2);
    OpenHelp(7);
    SetProgramFilesFolder(previous);
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
    EXPECT_FALSE(CHelpWindow::Show(dir.filePath(QStringLiteral("none.html"))));
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
}

TEST_F(HelpTest, DocumentShowsInOneHelpWindow) {
    ASSERT_TRUE(CHelpWindow::Show(
        WriteHelp(QStringLiteral("help.html"), QStringLiteral("帮助"), QStringLiteral("梅花易数"))));
    CHelpWindow* window = CHelpWindow::Current();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("帮助"));
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("梅花易数")));

    ASSERT_TRUE(
        CHelpWindow::Show(WriteHelp(QStringLiteral("help_yunqi.html"), QString(), QStringLiteral("运气"))));
    EXPECT_EQ(CHelpWindow::Current(), window);
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("运气")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("morvint"));
}

// Help asked for from a window belongs to it: it opens over that window, kept whole on the screen when the
// window lies low on it, and closes with it (it once opened wherever the window manager put a window of its
// own, under the pointer and past the bottom of the screen).
TEST_F(HelpTest, TheHelpWindowBelongsToTheWindowThatAskedAndOpensOverItOnTheScreen) {
    const QString file = WriteHelp(QStringLiteral("help.html"), QStringLiteral("帮助"), QStringLiteral("x"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setFixedSize(700, 500);
    owner.move(screen.left() + 30, screen.bottom() - 420);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));

    ASSERT_TRUE(CHelpWindow::Show(file));
    QPointer<CHelpWindow> help = CHelpWindow::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), &owner);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(owner.geometry().contains(help->geometry().center()));
    EXPECT_TRUE(screen.contains(help->geometry()))
        << help->geometry().y() << " to " << help->geometry().bottom() << " on " << screen.bottom();
}

TEST_F(HelpTest, EscAndCtrlWCloseTheHelpWindow) {
    const QString file = WriteHelp(QStringLiteral("help.html"), QStringLiteral("帮助"), QStringLiteral("x"));
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        ASSERT_TRUE(CHelpWindow::Show(file));
        QPointer<CHelpWindow> window = CHelpWindow::Current();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window, keys);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window == nullptr; })) << keys.toString().toStdString();
    }
}

TEST_F(HelpTest, HelpFromAModalDialogBelongsToThatDialog) {
    const QString file =
        WriteHelp(QStringLiteral("help_yuce.html"), QStringLiteral("预测"), QStringLiteral("x"));
    QWidget* owner = nullptr;
    {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(CHelpWindow::Show(file));
            ASSERT_NE(CHelpWindow::Current(), nullptr);
            owner = CHelpWindow::Current()->parentWidget();
            dialog.reject();
        });
        dialog.exec();
        EXPECT_EQ(owner, &dialog);
    }
    // The window went with its dialog.
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
}

// Writes a short silent PCM wave file.
QString WriteWave(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    const quint32 samples = 800;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i) {
        out << qint16(0);
    }
    file.write(data);
    return path;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        old = CSoundPlayer::SetBeepFunction([this] { ++beeps; });
    }
    void TearDown() override { CSoundPlayer::SetBeepFunction(old); }

    static bool HasAudioDevice() { return !QMediaDevices::defaultAudioOutput().isNull(); }

    QTemporaryDir dir;
    int beeps = 0;
    CSoundPlayer::BeepFunction old;
};

TEST_F(SoundTest, MissingFileBeeps) {
    EXPECT_EQ(CSoundPlayer::Instance().Play(dir.filePath(QStringLiteral("jiu_low.wav"))),
              CSoundPlayer::Outcome::Beeped);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(CSoundPlayer::Instance().Play(dir.path()), CSoundPlayer::Outcome::Beeped);
    EXPECT_EQ(beeps, 2);
}

TEST_F(SoundTest, WaveFileStartsOrStaysSilentWithoutDevice) {
    const QString wave = WriteWave(dir.filePath(QStringLiteral("jiu_low.wav")));
    const auto expected = HasAudioDevice() ? CSoundPlayer::Outcome::Started : CSoundPlayer::Outcome::NoDevice;
    // A second call while the first may still play replaces it; neither waits.
    EXPECT_EQ(CSoundPlayer::Instance().Play(wave), expected);
    EXPECT_EQ(CSoundPlayer::Instance().Play(wave), expected);
    // A file that cannot be decoded is found out while it loads, in the background; once the sound knows
    // it can play the file, and what that posted has arrived, no beep may have come.
    if (const auto* effect = CSoundPlayer::Instance().findChild<QSoundEffect*>()) {
        ASSERT_TRUE(QTest::qWaitFor([effect] {
            return effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error;
        }));
    }
    DeliverPendingEvents();
    EXPECT_EQ(beeps, 0);
}

TEST_F(SoundTest, TheChimeIsTheOneOfTheProgramFilesNotOfTheCurrentDirectory) {
    QTemporaryDir current;
    WriteWave(current.filePath(QStringLiteral("jiu_low.wav")));
    const QString previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    const QString previousFolder = SetProgramFilesFolder(dir.path());

    PlaySoundFile(QStringLiteral("jiu_low.wav"));
    const int beepsWithoutFile = beeps;
    WriteWave(dir.filePath(QStringLiteral("jiu_low.wav")));
    PlaySoundFile(QStringLiteral("jiu_low.wav"));

    SetProgramFilesFolder(previousFolder);
    QDir::setCurrent(previousDir);
    EXPECT_EQ(beepsWithoutFile, 1) << "the file in the current directory is not the program's";
    EXPECT_EQ(beeps, 1);
}

TEST_F(SoundTest, BrokenWaveFileBeepsWhenThereIsADevice) {
    QFile broken(dir.filePath(QStringLiteral("broken.wav")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a wave");
    broken.close();
    if (!HasAudioDevice()) {
        EXPECT_EQ(CSoundPlayer::Instance().Play(broken.fileName()), CSoundPlayer::Outcome::NoDevice);
        EXPECT_EQ(beeps, 0);
        return;
    }
    EXPECT_EQ(CSoundPlayer::Instance().Play(broken.fileName()), CSoundPlayer::Outcome::Started);
    EXPECT_TRUE(QTest::qWaitFor([this] { return beeps == 1; }));
}

// Each of these has a player of its own, so that it sees the first sound of a run.
TEST_F(SoundTest, MutedNothingPlaysNotEvenTheBeepAndTheSoundPluginStaysUnloaded) {
    CSoundPlayer player;
    player.SetMuted(true);
    const QString wave = WriteWave(dir.filePath(QStringLiteral("jiu_low.wav")));

    EXPECT_EQ(player.Play(wave), CSoundPlayer::Outcome::Muted);
    EXPECT_EQ(player.Play(dir.filePath(QStringLiteral("missing.wav"))), CSoundPlayer::Outcome::Muted);
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(player.OutputLoaded());
}

TEST_F(SoundTest, TheSoundPluginIsLoadedWithTheFirstSoundThatIsThere) {
    CSoundPlayer player;
    EXPECT_FALSE(player.OutputLoaded());
    EXPECT_EQ(player.Play(dir.filePath(QStringLiteral("missing.wav"))), CSoundPlayer::Outcome::Beeped);
    EXPECT_FALSE(player.OutputLoaded()) << "a beep needs no audio library";

    const QString wave = WriteWave(dir.filePath(QStringLiteral("jiu_low.wav")));
    const auto expected = HasAudioDevice() ? CSoundPlayer::Outcome::Started : CSoundPlayer::Outcome::NoDevice;
    EXPECT_EQ(player.Play(wave), expected)
        << "the build's plugin was not found in " << CSoundPlayer::PluginFolders().join(u' ').toStdString();
    EXPECT_TRUE(player.OutputLoaded());
    EXPECT_EQ(beeps, 1);
}

// A program folder without its plugin (an incomplete copy) still answers a hover: with the beep.
TEST_F(SoundTest, WithoutTheSoundPluginAWaveFileBeeps) {
    const QStringList buildFolders = CSoundPlayer::PluginFolders();
    CSoundPlayer::SetPluginFolders({dir.path()});
    CSoundPlayer player;
    const QString wave = WriteWave(dir.filePath(QStringLiteral("jiu_low.wav")));

    EXPECT_EQ(player.Play(wave), CSoundPlayer::Outcome::Beeped);
    EXPECT_EQ(player.Play(wave), CSoundPlayer::Outcome::Beeped);
    CSoundPlayer::SetPluginFolders(buildFolders);
    EXPECT_EQ(beeps, 2);
}

}  // namespace
