// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CHyperLinkCtrl.h"

namespace {

// Replaces the opener and the reporter for one test and records what reaches them.
class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        oldOpener = CHyperLinkCtrl::SetUrlOpener([this](const QUrl& url) {
            opened.append(url);
            return openerSucceeds;
        });
        oldReporter =
            CHyperLinkCtrl::SetErrorReporter([this](const QString& text) { reported.append(text); });
    }
    void TearDown() override {
        CHyperLinkCtrl::SetUrlOpener(oldOpener);
        CHyperLinkCtrl::SetErrorReporter(oldReporter);
    }

    QString WriteFile(const QString& name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html></html>");
        return file.fileName();
    }

    QTemporaryDir dir;
    bool openerSucceeds = true;
    QList<QUrl> opened;
    QStringList reported;
    CHyperLinkCtrl::UrlOpener oldOpener;
    CHyperLinkCtrl::ErrorReporter oldReporter;
};

TEST(HyperLinkMessageTest, NamesTheCauseOfEachCode) {
    const QString head = QStringLiteral("Unable to open hyperlink:\n\n");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(0),
              head + "The operating system is out\nof memory or resources.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(2), head + "The specified file was not found.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(26), head + "A sharing violation occurred. ");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(30),
              head +
                  "The DDE transaction could not\nbe completed because other DDE transactions\n"
                  "were being processed.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(31),
              head + "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(32),
              head + "The specified dynamic-link library was not found.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(4), head + "Unknown Error (4) occurred.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(-7), head + "Unknown Error (-7) occurred.");
    EXPECT_EQ(CHyperLinkCtrl::OpenErrorMessage(33), head + "Unknown Error (33) occurred.");
}

TEST(HyperLinkTipTest, EmptyTipShowsTheTarget) {
    CHyperLinkCtrl link;
    link.SetLinkTarget(QStringLiteral("file:///opt/morvint/help.html"));
    EXPECT_EQ(link.toolTip(), "file:///opt/morvint/help.html");
    EXPECT_EQ(link.Tip(), link.Target());
    link.SetLinkTip(QStringLiteral("帮助"));
    EXPECT_EQ(link.toolTip(), QStringLiteral("帮助"));
    EXPECT_EQ(link.Target(), "file:///opt/morvint/help.html");
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HyperLinkTest, OpenGivesTheCodeOfTheCause) {
    const QString file = WriteFile(QStringLiteral("help.html"));
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(file), CHyperLinkCtrl::kOpenSucceeded);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(QUrl::fromLocalFile(file).toString()), CHyperLinkCtrl::kOpenSucceeded);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(QStringLiteral("https://example.org/x?y=1")),
              CHyperLinkCtrl::kOpenSucceeded);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(file));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(file));
    EXPECT_EQ(opened[2], QUrl(QStringLiteral("https://example.org/x?y=1")));

    EXPECT_EQ(CHyperLinkCtrl::OpenLink(dir.filePath(QStringLiteral("missing.html"))), 2);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(QUrl::fromLocalFile(dir.filePath("missing.html")).toString()), 2);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(dir.filePath(QStringLiteral("nowhere/missing.html"))), 3);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(QString()), 2);
    EXPECT_EQ(opened.size(), 3);

    openerSucceeds = false;
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(file), 31);
}

TEST_F(HyperLinkTest, AFileOpenerTakesFilesAndLeavesWebAddressesToTheDesktop) {
    const QString file = WriteFile(QStringLiteral("help.html"));
    QStringList shown;
    bool shows = true;
    const CHyperLinkCtrl::FileOpener opener = [&](const QString& path) {
        shown << path;
        return shows;
    };
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(QUrl::fromLocalFile(file).toString(), opener),
              CHyperLinkCtrl::kOpenSucceeded);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(file, opener), CHyperLinkCtrl::kOpenSucceeded);
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(QStringLiteral("https://example.org/"), opener),
              CHyperLinkCtrl::kOpenSucceeded);
    EXPECT_EQ(shown, (QStringList{file, file}));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});

    // The checks before opening still give their causes; an opener that cannot show the file gives 31.
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(dir.filePath(QStringLiteral("missing.html")), opener), 2);
    shows = false;
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(file, opener), 31);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(HyperLinkTest, UnreadableFileIsAccessDenied) {
    const QString file = WriteFile(QStringLiteral("locked.html"));
    QFile::setPermissions(file, QFileDevice::Permissions());
    if (QFileInfo(file).isReadable()) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    EXPECT_EQ(CHyperLinkCtrl::OpenLink(file), 5);
}

// A window that counts the presses that reach it.
class ClickCountingPage : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        QWidget::mousePressEvent(event);
    }
};

TEST_F(HyperLinkTest, ClickOpensOrReportsTheFailure) {
    ClickCountingPage page;
    page.resize(200, 60);
    auto* link = new CHyperLinkCtrl(&page);
    link->setGeometry(10, 10, 100, 20);
    QSignalSpy clicks(link, &CHyperLinkCtrl::clickedLink);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    link->SetLinkTarget(WriteFile(QStringLiteral("help.html")));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(reported.isEmpty());

    link->SetLinkTarget(dir.filePath(QStringLiteral("gone.html")));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0], "Unable to open hyperlink:\n\nThe specified file was not found.");
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[1][0].toInt(), 2);
    // The click belongs to the link alone.
    EXPECT_EQ(page.presses, 0);
}

TEST_F(HyperLinkTest, ReleaseOutsideTheLinkOpensNothing) {
    QWidget page;
    page.resize(200, 60);
    auto* link = new CHyperLinkCtrl(&page);
    link->setGeometry(10, 10, 100, 20);
    link->SetLinkTarget(WriteFile(QStringLiteral("help.html")));
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
