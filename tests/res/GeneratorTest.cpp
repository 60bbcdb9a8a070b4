// SPDX-License-Identifier: GPL-3.0-or-later
// The art tool that the build runs: it must write the same bytes every time and report what it cannot write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/res/ExpectedArt.h"

namespace {
QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun RunArtTool(const QStringList& arguments, const QProcessEnvironment& extra = {}) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(extra);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(MORVINT_ART_TOOL), arguments);
    ToolRun run;
    if (tool.waitForFinished(240000) && tool.exitStatus() == QProcess::NormalExit) {
        run.exitCode = tool.exitCode();
    }
    run.errors = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

int RunTool(const QStringList& arguments) {
    return RunArtTool(arguments).exitCode;
}

// A fontconfig setup that knows only the fonts in `folder` (none when it is empty), with its cache in `dir`.
QProcessEnvironment FontsOnlyIn(const QTemporaryDir& dir, const QString& folder) {
    const QString config = dir.filePath(QStringLiteral("fonts.conf"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        const QString folderLine = folder.isEmpty() ? QString() : QStringLiteral("<dir>%1</dir>").arg(folder);
        file.write(
            QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>%1<cachedir>%2</cachedir></fontconfig>\n")
                .arg(folderLine, dir.filePath(QStringLiteral("cache")))
                .toUtf8());
    }
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), config);
    return environment;
}
}  // namespace

TEST(ArtGenerator, ASecondRunWritesTheSameBytesAsTheBuild) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString program = out.filePath(QStringLiteral("bin"));
    const QString resources = out.filePath(QStringLiteral("art"));
    const QString icons = out.filePath(QStringLiteral("icons"));
    ASSERT_EQ(RunTool({QStringLiteral("--program-dir"), program, QStringLiteral("--resource-dir"), resources,
                       QStringLiteral("--icon-dir"), icons}),
              0);

    std::vector<QString> names;
    for (const ExpectedFile& file : ExpectedProgramPictures()) {
        names.push_back(QString::fromUtf8(file.name));
    }
    names.push_back(QStringLiteral("jiu_low.wav"));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray built = Bytes(QStringLiteral(MORVINT_PROGRAM_DIR "/") + name);
        ASSERT_FALSE(built.isEmpty());
        EXPECT_TRUE(built == Bytes(program + QLatin1Char('/') + name));
    }
    for (const ExpectedBitmap& bitmap : ExpectedBitmaps()) {
        SCOPED_TRACE(bitmap.id);
        const QString relative = QStringLiteral("/bitmaps/%1.bmp").arg(bitmap.id);
        const QByteArray built = Bytes(QStringLiteral(MORVINT_ART_DIR) + relative);
        ASSERT_FALSE(built.isEmpty());
        EXPECT_TRUE(built == Bytes(resources + relative));
    }
    for (const QString& relative : {QStringLiteral("/hicolor/16x16/apps/morvint.png"),
                                    QStringLiteral("/hicolor/256x256/apps/morvint.png")}) {
        EXPECT_TRUE(Bytes(QStringLiteral(MORVINT_ICON_DIR) + relative) == Bytes(icons + relative));
    }
}

TEST(ArtGenerator, ReportsAFolderItCannotWrite) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    // A plain file where a folder should be: nothing can be written under it.
    const QString blocker = out.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(RunTool({QStringLiteral("--program-dir"), blocker + QStringLiteral("/bin"),
                       QStringLiteral("--resource-dir"), out.filePath(QStringLiteral("art")),
                       QStringLiteral("--icon-dir"), out.filePath(QStringLiteral("icons"))}),
              1);
    EXPECT_EQ(RunTool({QStringLiteral("--program-dir"), out.filePath(QStringLiteral("bin"))}), 2);
}

// Qt would draw with whatever face it found instead: the pictures would differ from every other build's.
TEST(ArtGenerator, RefusesToDrawWithoutTheFacesItDrawsWith) {
    const QString noto = QStringLiteral("/usr/share/fonts/opentype/noto");
    if (!QDir(noto).exists()) {
        GTEST_SKIP() << "no Noto CJK fonts in " << noto.toStdString();
    }
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString program = out.filePath(QStringLiteral("bin"));
    const QStringList arguments{QStringLiteral("--program-dir"),  program,
                                QStringLiteral("--resource-dir"), out.filePath(QStringLiteral("art")),
                                QStringLiteral("--icon-dir"),     out.filePath(QStringLiteral("icons"))};

    const ToolRun withoutKai = RunArtTool(arguments, FontsOnlyIn(out, noto));
    EXPECT_EQ(withoutKai.exitCode, 1);
    EXPECT_TRUE(
        withoutKai.errors.contains(QStringLiteral("\"LXGW WenKai\" is not installed (Debian package "
                                                  "fonts-lxgw-wenkai)")))
        << withoutKai.errors.toStdString();
    EXPECT_FALSE(withoutKai.errors.contains(QStringLiteral("Noto"))) << withoutKai.errors.toStdString();
    EXPECT_FALSE(QDir(program).exists());

    const ToolRun withoutAny = RunArtTool(arguments, FontsOnlyIn(out, QString()));
    EXPECT_EQ(withoutAny.exitCode, 1);
    for (const char* face : {"\"LXGW WenKai\"", "\"Noto Serif CJK SC\"", "\"Noto Sans CJK SC\""}) {
        EXPECT_TRUE(withoutAny.errors.contains(QString::fromUtf8(face))) << withoutAny.errors.toStdString();
    }
}
