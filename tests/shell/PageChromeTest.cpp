// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "controls/PostedMessage.h"
#include "shell/CPageDialog.h"
#include "shell/PageChrome.h"
#include "tests/support/PostedRecorder.h"
#include "tests/support/WidgetPixels.h"

using namespace testsupport;

namespace {

// A page that counts how often it was set up.
class CountingPage : public CPageDialog {
public:
    int inits = 0;

protected:
    bool OnInitDialog() override {
        ++inits;
        return CPageDialog::OnInitDialog();
    }
};

class BackgroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        page.resize(100, 80);
        PaintBackground(page, kWindow);
    }

    QString WritePicture(const QString& name, QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    const QColor kWindow{10, 120, 10};
    QTemporaryDir dir;
    CPageDialog page;
};

TEST_F(BackgroundTest, SmallerPictureLeavesTheRestOfTheWindow) {
    page.SetBackgroundFile(WritePicture(QStringLiteral("small.ggr"), {40, 30}, Qt::red), 100, 80);
    const QImage shown = page.grab().toImage();
    EXPECT_EQ(shown.pixelColor(39, 29), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(40, 29), kWindow);
    EXPECT_EQ(shown.pixelColor(90, 70), kWindow);
}

TEST_F(BackgroundTest, LargerPictureIsCutAtTheGivenSize) {
    page.SetBackgroundFile(WritePicture(QStringLiteral("large.ggr"), {300, 200}, Qt::blue), 60, 50);
    const QImage shown = page.grab().toImage();
    EXPECT_EQ(shown.pixelColor(59, 49), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(60, 20), kWindow);
    EXPECT_EQ(shown.pixelColor(20, 50), kWindow);
}

TEST_F(BackgroundTest, PictureIsReadOnEveryPaintAndMissingDrawsNothing) {
    const QString file = WritePicture(QStringLiteral("main.ggr"), {100, 80}, Qt::blue);
    page.SetBackgroundFile(file, 100, 80);
    EXPECT_EQ(page.grab().toImage().pixelColor(50, 40), QColor(Qt::blue));
    WritePicture(QStringLiteral("main.ggr"), {100, 80}, Qt::yellow);
    EXPECT_EQ(page.grab().toImage().pixelColor(50, 40), QColor(Qt::yellow));
    QFile::remove(file);
    EXPECT_EQ(page.grab().toImage().pixelColor(50, 40), kWindow);
}

TEST(PageDialogTest, CreateMakesAHiddenChildSetUpOnce) {
    QWidget container;
    auto* page = new CountingPage;
    EXPECT_TRUE(page->Create(&container));
    EXPECT_EQ(page->parentWidget(), &container);
    EXPECT_FALSE(page->isWindow());
    EXPECT_EQ(page->inits, 1);
    container.show();
    EXPECT_FALSE(page->isVisible());
    page->show();
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->inits, 1);
}

TEST(PageDialogTest, PageInAContainerIgnoresEscAndStaysShown) {
    QWidget container;
    auto* page = new CountingPage;
    page->Create(&container);
    container.show();
    page->show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(page, &escape);
    EXPECT_FALSE(escape.isAccepted());
    EXPECT_TRUE(page->isVisible());
}

TEST(PageDialogTest, ModalDialogIsSetUpBeforeItShowsAndEndsOnKeys) {
    CountingPage dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_EQ(dialog.inits, 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Return); });
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.inits, 1);
}

TEST(PageDialogTest, PostNavigateReachesTheMainWindowLater) {
    CPageDialog page;
    PostedRecorder mainWindow;
    page.mainWindow = &mainWindow;
    page.PostNavigate(NavStage::Explain, NavCode::ToNumber);
    EXPECT_TRUE(mainWindow.posts.empty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(mainWindow.posts.size(), 1u);
    EXPECT_EQ(mainWindow.posts[0].message, WM_NAVIGATE);
    EXPECT_EQ(mainWindow.posts[0].wParam, 13);
    EXPECT_EQ(mainWindow.posts[0].lParam, 14);
}

TEST(PageFontTest, CjkFacesAtPixelHeightsInBlack) {
    const QFont song = PageFont(18, QStringLiteral("宋体"));
    EXPECT_EQ(song.pixelSize(), 18);
    EXPECT_EQ(song.weight(), QFont::Black);
    EXPECT_TRUE(QFontInfo(song).family().startsWith(QStringLiteral("Noto Serif CJK")))
        << QFontInfo(song).family().toStdString();
    const QFont hei = PageFont(25, QStringLiteral("黑体"));
    EXPECT_EQ(hei.pixelSize(), 25);
    EXPECT_TRUE(QFontInfo(hei).family().startsWith(QStringLiteral("Noto Sans CJK")))
        << QFontInfo(hei).family().toStdString();
}

}  // namespace
