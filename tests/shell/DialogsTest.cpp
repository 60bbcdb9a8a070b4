#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "res/Layout.h"
#include "shell/CAboutDlg.h"
#include "shell/CNoticeDlg.h"

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
    notice.noticeMode = 1;
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
    notice.noticeMode = 1;
    EXPECT_EQ(RunModal(notice, [&notice] { QTest::keyClick(&notice, Qt::Key_Return); }), QDialog::Accepted);
}

TEST(NoticeDialogTest, SaveQuestionOffersSaveAndCancel) {
    CNoticeDlg notice;
    notice.noticeMode = 2;
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
    byButton.noticeMode = 2;
    EXPECT_EQ(RunModal(byButton,
                       [&byButton] {
                           QTest::mouseClick(&byButton.cancelButton, Qt::LeftButton, {},
                                             Middle(byButton.cancelButton));
                       }),
              QDialog::Rejected);

    CNoticeDlg byEscape;
    byEscape.noticeMode = 2;
    EXPECT_EQ(RunModal(byEscape, [&byEscape] { QTest::keyClick(&byEscape, Qt::Key_Escape); }),
              QDialog::Rejected);
}

TEST(NoticeDialogTest, EnterPressesTheFocusedButton) {
    CNoticeDlg saveByDefault;
    saveByDefault.noticeMode = 2;
    EXPECT_EQ(RunModal(saveByDefault, [&saveByDefault] { QTest::keyClick(&saveByDefault, Qt::Key_Return); }),
              QDialog::Accepted);

    CNoticeDlg cancelFocused;
    cancelFocused.noticeMode = 2;
    EXPECT_EQ(RunModal(cancelFocused,
                       [&cancelFocused] {
                           cancelFocused.cancelButton.setFocus();
                           QTest::keyClick(&cancelFocused, Qt::Key_Return);
                       }),
              QDialog::Rejected);
}

TEST(AboutDialogTest, LinkPointsAtTheProgramsOwnHelp) {
    CAboutDlg about;
    about.show();
    const QString expected =
        QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/help.html").toString();
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
