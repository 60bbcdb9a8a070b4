// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's own files are found: beside the executable, in the installed data folder, never in the
// current directory; and the picture control reading its relative names from there.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CPictureStatic.h"
#include "controls/ProgramFiles.h"
#include "tests/support/WidgetPixels.h"

namespace {

class ProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    void TearDown() override { SetProgramFilesFolder({}); }

    QString MakeFolder(const QString& path) {
        EXPECT_TRUE(QDir(root.path()).mkpath(path));
        return QDir(root.path()).filePath(path);
    }
    static void Touch(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }
    static QString WritePicture(const QString& path, QColor colour) {
        QImage image(QSize(20, 20), QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    QTemporaryDir root;
};

TEST_F(ProgramFilesTest, AFolderWithThePicturesIsTheProgramsOwnWhereverItLies) {
    const QString portable = MakeFolder(QStringLiteral("Quintara/bin"));
    Touch(portable + QStringLiteral("/main.ggr"));
    // Even beside an installed data folder, the pictures next to the executable win.
    MakeFolder(QStringLiteral("Quintara/share/morvint"));

    const ProgramFilesLocation found = FindProgramFiles(portable);
    EXPECT_EQ(found.folder, portable);
    EXPECT_TRUE(found.own);
}

TEST_F(ProgramFilesTest, AnInstalledProgramUsesTheSharedDataFolder) {
    const QString bin = MakeFolder(QStringLiteral("usr/bin"));
    const QString data = MakeFolder(QStringLiteral("usr/share/morvint"));

    const ProgramFilesLocation found = FindProgramFiles(bin);
    EXPECT_EQ(found.folder, data);
    EXPECT_FALSE(found.own);
}

TEST_F(ProgramFilesTest, WithNothingFoundTheExecutablesFolderIsUsedAndTheCurrentDirectoryNever) {
    const QString lonely = MakeFolder(QStringLiteral("lonely"));
    const QString previous = QDir::currentPath();
    const QString current = MakeFolder(QStringLiteral("current"));
    Touch(current + QStringLiteral("/main.ggr"));
    ASSERT_TRUE(QDir::setCurrent(current));

    const ProgramFilesLocation found = FindProgramFiles(lonely);
    QDir::setCurrent(previous);
    EXPECT_EQ(found.folder, lonely);
    EXPECT_TRUE(found.own);
}

TEST_F(ProgramFilesTest, RelativeNamesAreFilesOfTheFolderThatIsSet) {
    const QString folder = MakeFolder(QStringLiteral("set"));
    EXPECT_EQ(SetProgramFilesFolder(folder, false), QString());
    EXPECT_EQ(ProgramFilesFolder(), folder);
    EXPECT_FALSE(ProgramFiles().own);
    EXPECT_EQ(ProgramFilePath(QStringLiteral("乾.bmp")), folder + QStringLiteral("/乾.bmp"));
    EXPECT_EQ(ProgramFilePath(QStringLiteral("/elsewhere/x.bmp")), QStringLiteral("/elsewhere/x.bmp"));

    EXPECT_EQ(SetProgramFilesFolder({}), folder);
    EXPECT_EQ(ProgramFilesFolder(), FindProgramFiles(QCoreApplication::applicationDirPath()).folder);
}

TEST_F(ProgramFilesTest, APictureNamedWithoutFolderComesFromTheProgramFilesNotTheCurrentDirectory) {
    const QString folder = MakeFolder(QStringLiteral("program"));
    const QString current = MakeFolder(QStringLiteral("current"));
    WritePicture(folder + QStringLiteral("/select.mid"), Qt::blue);
    WritePicture(current + QStringLiteral("/select.mid"), Qt::red);
    SetProgramFilesFolder(folder);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current));

    QWidget page;
    page.resize(40, 40);
    auto* picture = new CPictureStatic(&page);
    picture->setGeometry(0, 0, 20, 20);
    picture->SetPictureFile(QStringLiteral("select.mid"), 20, 20, false);
    page.show();
    const bool exposed = QTest::qWaitForWindowExposed(&page);
    const QColor shown = testsupport::PixelAt(page, QPoint(10, 10));
    QDir::setCurrent(previous);

    ASSERT_TRUE(exposed);
    EXPECT_EQ(shown, QColor(Qt::blue));
    EXPECT_EQ(picture->PictureFile(), QStringLiteral("select.mid")) << "the name stays as the page gave it";
}

}  // namespace
