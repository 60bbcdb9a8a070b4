// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "controls/ProgramFiles.h"
#include "res/Layout.h"
#include "shell/CAboutDlg.h"
#include "shell/CHelpWindow.h"
#include "shell/CNoticeDlg.h"
#include "tests/support/ProgramGlobalsScope.h"

namespace {

// Runs dialog modally and lets act drive it once it shows; returns the dialog's result.
int RunModal(QDialog& dialog, const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        EXPECT_TRUE(dialog.isVisible());
        act();
        // A step that did not end the dialog must not hang the test.
        if (dialog.isVisible()) {
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(-1); });
        }
    });
    return dialog.exec();
}

QPoint Middle(const QWidget& widget) {
    return widget.rect().center();
}

TEST(NoticeDialogTest, DateNoticeShowsOnlyOkAndEndsWithOk) {
    CNoticeDlg notice;
    notice.noticeMode = NoticeMode::dateNotPredictable;
    const int result = RunModal(notice, [&notice] {
        EXPECT_TRUE(notice.okButton.isVisible());
        EXPECT_FALSE(notice.saveButton.isVisible());
        EXPECT_FALSE(notice.cancelButton.isVisible());
        EXPECT_EQ(notice.BackgroundFile(), "date_error.ggr");
        EXPECT_EQ(notice.okButton.geometry(), QRect(143, 180, 71, 25));
        QTest::mouseClick(&notice.okButton, Qt::LeftButton, {}, Middle(notice.okButton));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(notice.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(notice.size(), QSize(350, 230));
}

TEST(NoticeDialogTest, DateNoticeEndsWithOkOnEnter) {
    CNoticeDlg notice;
    notice.noticeMode = NoticeMode::dateNotPredictable;
    EXPECT_EQ(RunModal(notice, [&notice] { QTest::keyClick(&notice, Qt::Key_Return); }), QDialog::Accepted);
}

TEST(NoticeDialogTest, SaveQuestionOffersSaveAndCancel) {
    CNoticeDlg notice;
    notice.noticeMode = NoticeMode::saveQuestion;
    const int result = RunModal(notice, [&notice] {
        EXPECT_FALSE(notice.okButton.isVisible());
        EXPECT_TRUE(notice.saveButton.isVisible());
        EXPECT_TRUE(notice.cancelButton.isVisible());
        EXPECT_EQ(notice.BackgroundFile(), "about_save.ggr");
        EXPECT_EQ(notice.saveButton.geometry(), QRect(88, 184, 71, 25));
        EXPECT_EQ(notice.cancelButton.geometry(), QRect(192, 184, 71, 25));
        QTest::mouseClick(&notice.saveButton, Qt::LeftButton, {}, Middle(notice.saveButton));
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST(NoticeDialogTest, SaveQuestionCancelsOnCancelAndEsc) {
    CNoticeDlg byButton;
    byButton.noticeMode = NoticeMode::saveQuestion;
    EXPECT_EQ(RunModal(byButton,
                       [&byButton] {
                           QTest::mouseClick(&byButton.cancelButton, Qt::LeftButton, {},
                                             Middle(byButton.cancelButton));
                       }),
              QDialog::Rejected);

    CNoticeDlg byEscape;
    byEscape.noticeMode = NoticeMode::saveQuestion;
    EXPECT_EQ(RunModal(byEscape, [&byEscape] { QTest::keyClick(&byEscape, Qt::Key_Escape); }),
              QDialog::Rejected);
}

TEST(NoticeDialogTest, EnterPressesTheFocusedButton) {
    CNoticeDlg saveByDefault;
    saveByDefault.noticeMode = NoticeMode::saveQuestion;
    EXPECT_EQ(RunModal(saveByDefault, [&saveByDefault] { QTest::keyClick(&saveByDefault, Qt::Key_Return); }),
              QDialog::Accepted);

    CNoticeDlg cancelFocused;
    cancelFocused.noticeMode = NoticeMode::saveQuestion;
    EXPECT_EQ(RunModal(cancelFocused,
                       [&cancelFocused] {
                           cancelFocused.cancelButton.setFocus();
                           QTest::keyClick(&cancelFocused, Qt::Key_Return);
                       }),
              QDialog::Rejected);
}

// The about box with the program's files in a folder of the test's own, and the desktop's opener and the
// link's error box replaced by recorders.
class AboutLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetProgramFilesFolder(folder.path());
        CHyperLinkCtrl::SetUrlOpener([this](const QUrl& url) {
            desktopOpened << url;
            return true;
        });
        CHyperLinkCtrl::SetErrorReporter([this](const QString& text) { errors << text; });
    }
    void TearDown() override {
        if (CHelpWindow* window = CHelpWindow::Current()) {
            delete window;
        }
    }

    void WriteHelp() {
        QFile file(folder.filePath(QStringLiteral("help.html")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>帮助</title></head><body>梅花易数</body></html>");
    }

    QTemporaryDir folder;
    QList<QUrl> desktopOpened;
    QStringList errors;

private:
    ProgramGlobalsScope globals;
};

TEST_F(AboutLinkTest, TheLinkShowsTheProgramsHelpInItsOwnWindowWithoutTheDesktop) {
    WriteHelp();
    CAboutDlg about;
    QString shown;
    QWidget* owner = nullptr;
    const int result = RunModal(about, [&] {
        QTest::mouseClick(&about.link, Qt::LeftButton, {}, QPoint(5, 5));
        if (CHelpWindow* help = CHelpWindow::Current()) {
            shown = help->source().toLocalFile();
            owner = help->parentWidget();
        }
        EXPECT_TRUE(about.isVisible()) << "a click on the link does not close the box";
        about.accept();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(shown, folder.filePath(QStringLiteral("help.html")));
    EXPECT_EQ(owner, &about) << "usable while the about box is up";
    EXPECT_TRUE(desktopOpened.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(AboutLinkTest, AMissingHelpDocumentIsReportedAndAWebAddressGoesToTheDesktop) {
    CAboutDlg about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(&about.link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
    EXPECT_EQ(errors, QStringList{CHyperLinkCtrl::OpenErrorMessage(2)});

    about.link.SetLinkTarget(QStringLiteral("https://example.org/quintara"));
    QTest::mouseClick(&about.link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(desktopOpened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/quintara"))});
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
}

TEST_F(AboutLinkTest, LinkPointsAtTheProgramsOwnHelp) {
    CAboutDlg about;
    about.show();
    const QString expected = QUrl::fromLocalFile(folder.filePath(QStringLiteral("help.html"))).toString();
    EXPECT_TRUE(expected.startsWith("file:///"));
    EXPECT_EQ(about.link.Target(), expected);
    EXPECT_EQ(about.link.Tip(), expected);
    EXPECT_EQ(about.link.toolTip(), expected);
    EXPECT_EQ(about.link.pos(), QPoint(Layout::AboutDialog::link.x, Layout::AboutDialog::link.y));
    EXPECT_EQ(about.credit.pos(), QPoint(Layout::AboutDialog::credit.x, Layout::AboutDialog::credit.y));
    EXPECT_EQ(about.BackgroundFile(), "about.ggr");
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(AboutDialogTest, ClickOutsideTheStaticsCloses) {
    CAboutDlg about;
    EXPECT_EQ(RunModal(about, [&about] { QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(20, 20)); }),
              QDialog::Accepted);
}

TEST(AboutDialogTest, ClickOnTheCreditOrARightClickKeepsItOpen) {
    CAboutDlg about;
    bool stillOpen = false;
    const int result = RunModal(about, [&about, &stillOpen] {
        QTest::mouseClick(&about.credit, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(&about, Qt::RightButton, {}, QPoint(20, 20));
        stillOpen = about.isVisible();
        QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(340, 220));
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Accepted);
}

}  // namespace
