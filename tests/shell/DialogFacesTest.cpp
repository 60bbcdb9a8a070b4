// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs with the program's real faces and backgrounds: the faces load, and each face's key colour lets
// the background picture show, so the art and the buttons agree.
#include <gtest/gtest.h>

#include <QTest>

#include "controls/ProgramFiles.h"
#include "shell/CAboutDlg.h"
#include "shell/CNoticeDlg.h"
#include "tests/support/ProgramArtFixture.h"

namespace {

class DialogFacesTest : public ProgramArtFixture {
protected:
    // Checks that the button shows its face where the face has colour and the background where it has key.
    static void ExpectFaceOnBackground(const QImage& shown, const QImage& background,
                                       const CSkinButton& button, unsigned normalId) {
        const QImage face =
            QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(normalId)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(face.isNull()) << normalId;
        ASSERT_EQ(face.size(), button.size()) << normalId;
        const QRgb key = face.pixel(0, 0);
        int keyPixels = 0;
        int facePixels = 0;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                const QPoint at = button.geometry().topLeft() + QPoint(x, y);
                const QRgb expected = face.pixel(x, y) == key ? background.pixel(at) : face.pixel(x, y);
                (face.pixel(x, y) == key ? keyPixels : facePixels) += 1;
                ASSERT_EQ(shown.pixel(at), expected) << normalId << " at " << x << "," << y;
            }
        }
        EXPECT_GT(keyPixels, 0) << normalId;
        EXPECT_GT(facePixels, 0) << normalId;
    }
};

TEST_F(DialogFacesTest, DateNoticeOkLiesOnItsBackground) {
    CNoticeDlg notice;
    notice.noticeMode = NoticeMode::dateNotPredictable;
    notice.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&notice));
    ASSERT_TRUE(notice.okButton.HasHotFace());
    ASSERT_TRUE(notice.okButton.HasNormalFace());
    QImage background;
    ASSERT_TRUE(background.load(ProgramFilePath(QStringLiteral("date_error.ggr")), "BMP"));
    background = background.convertToFormat(QImage::Format_RGB32);
    ExpectFaceOnBackground(notice.grab().toImage().convertToFormat(QImage::Format_RGB32), background,
                           notice.okButton, 188);
}

TEST_F(DialogFacesTest, SaveQuestionButtonsLieOnTheirBackground) {
    CNoticeDlg notice;
    notice.noticeMode = NoticeMode::saveQuestion;
    notice.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&notice));
    QImage background;
    ASSERT_TRUE(background.load(ProgramFilePath(QStringLiteral("about_save.ggr")), "BMP"));
    background = background.convertToFormat(QImage::Format_RGB32);
    const QImage shown = notice.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ExpectFaceOnBackground(shown, background, notice.saveButton, 241);
    ExpectFaceOnBackground(shown, background, notice.cancelButton, 245);
}

TEST_F(DialogFacesTest, AboutPicturesHaveTheirOwnSizes) {
    CAboutDlg about;
    about.show();
    ASSERT_FALSE(about.link.pixmap().isNull());
    EXPECT_EQ(about.link.size(), QSize(206, 18));
    EXPECT_EQ(about.credit.size(), QSize(215, 18));
}

}  // namespace
