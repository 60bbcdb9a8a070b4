// SPDX-License-Identifier: GPL-3.0-or-later
// 备份数据… and 恢复数据… of the main window's menu: a backup to a chosen file, and a restore that is checked
// first, asked for, preceded by a safety copy, and shown at once in the player's line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/CMainDlg.h"
#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "store/DatabaseRestore.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/MessageParts.h"
#include "tests/support/ModalAnswer.h"

namespace {

class BackupMenuTest : public PageStoreFixture {
protected:
    void SetUp() override {
        PageStoreFixture::SetUp();
        OpenStore();
        window = std::make_unique<CMainDlg>(*app);
        window->show();
    }
    void TearDown() override {
        window.reset();
        PageStoreFixture::TearDown();
    }
    // Right-clicks the window and chooses the item with this text, the file dialog picking file.
    void Choose(const QString& item, const QString& file) {
        ModalAnswer<QFileDialog> chooser([&file](QFileDialog& dialog) {
            dialog.selectFile(file);
            static_cast<QDialog&>(dialog).accept();
        });
        QTimer::singleShot(0, [&item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == item) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            ADD_FAILURE() << "no " << item.toStdString() << " in the menu";
            menu->close();
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(400, 300),
                                     window->mapToGlobal(QPoint(400, 300)));
        QCoreApplication::sendEvent(window.get(), &rightClick);
    }

    std::unique_ptr<CMainDlg> window;
};

TEST_F(BackupMenuTest, ABackupGoesToTheChosenFileAndARestoreBringsItBack) {
    const QString backup = dir.filePath(QStringLiteral("备份.db"));
    Choose(QStringLiteral("备份数据…"), backup);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, CaptionOf(Messages::kBackedUp));
    EXPECT_EQ(CheckBackup(backup.toStdString(), CPredictStore::kLayoutVersion).refusal, BackupRefusal::none);

    // The backup gets another player, as if it were an older one of this player.
    RunSql(backup.toStdString(), "UPDATE player SET name = '李明', sex = '小姐', shuxiang = '兔'");
    messages.clear();
    ModalAnswer<QMessageBox> question([](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QStringLiteral("恢复")) {
                button->click();
            }
        }
    });
    Choose(QStringLiteral("恢复数据…"), backup);

    ASSERT_EQ(question.Count(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, CaptionOf(Messages::kRestored))
        << messages.front().text.toStdString();
    EXPECT_EQ(Rows("SELECT name FROM player"), (TextRows{{"李明"}}));
    EXPECT_EQ(window->playerLine, QStringLiteral("李明小姐"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("backups"))).entryList(QDir::Files).size(), 1)
        << "the database before the restore is kept";
}

TEST_F(BackupMenuTest, AFileThatIsNoBackupOfOursIsRefusedBeforeAnythingIsAsked) {
    const QString garbage = dir.filePath(QStringLiteral("garbage.db"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    ModalAnswer<QMessageBox> question([](QMessageBox& box) { box.reject(); });

    Choose(QStringLiteral("恢复数据…"), garbage);

    EXPECT_EQ(question.Count(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, CaptionOf(Messages::kDatabaseUnchanged));
    EXPECT_TRUE(messages.front().text.endsWith(TextOf(Messages::kDatabaseUnchanged)));
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("backups"))).exists());
}

// Chosen in the file dialog, the database itself is refused at once, in its own words, before any question.
TEST_F(BackupMenuTest, TheDatabaseItselfIsRefusedAtOnce) {
    ModalAnswer<QMessageBox> question([](QMessageBox& box) { box.reject(); });

    Choose(QStringLiteral("恢复数据…"), QString::fromStdString(database));

    EXPECT_EQ(question.Count(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.front().text.startsWith(
        TextOf(Messages::kBackupIsTheDatabase).arg(QuotedFileName(database))))
        << messages.front().text.toStdString();
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("backups"))).exists());
}

// The database under another name and a file in the safety copies' folder: refused as soon as the file
// dialog closes (after its own question whether to replace the file), and nothing is written.
TEST_F(BackupMenuTest, ABackupOverTheDatabaseOrASafetyCopyIsRefused) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("backups")));
    const QString copy = dir.filePath(QStringLiteral("backups/morvint-2009-06-17-100000.db"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(database), copy));
    const QString link = dir.filePath(QStringLiteral("link.db"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(database), link));
    QFile file(QString::fromStdString(database));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    ModalAnswer<QMessageBox> replace([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });

    const std::pair<QString, const MessageText&> refused[] = {{link, Messages::kIsTheDatabase},
                                                              {copy, Messages::kIsASafetyCopy}};
    for (const auto& [chosen, why] : refused) {
        messages.clear();
        Choose(QStringLiteral("备份数据…"), chosen);
        ASSERT_EQ(messages.size(), 1u) << chosen.toStdString();
        EXPECT_EQ(messages.front().caption, CaptionOf(why));
        EXPECT_TRUE(messages.front().text.endsWith(QString::fromStdString(Ending(why))))
            << messages.front().text.toStdString();
    }
    EXPECT_EQ(replace.Count(), 2);
    EXPECT_TRUE(file.seek(0));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("backups"))).entryList(QDir::Files).size(), 1);
}

}  // namespace
