// SPDX-License-Identifier: GPL-3.0-or-later
// The build runs this tool to draw the program's pictures, faces, icon and sound.
//   morvint_art --program-dir DIR --resource-dir DIR --icon-dir DIR
//   morvint_art --contact-sheet FILE.png --program-dir DIR --resource-dir DIR
#include <QCommandLineParser>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "tools/OffscreenPlatform.h"
#include "tools/art/ArtFaces.h"
#include "tools/art/CArtGenerator.h"
#include "tools/art/CContactSheet.h"

int main(int argc, char** argv) {
    // Pictures are drawn off screen; no display is needed.
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QGuiApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    QFont::insertSubstitution(QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"));

    QCommandLineParser parser;
    const QCommandLineOption programDir(QStringLiteral("program-dir"), QStringLiteral("program folder"),
                                        QStringLiteral("dir"));
    const QCommandLineOption resourceDir(QStringLiteral("resource-dir"), QStringLiteral("resource bitmaps"),
                                         QStringLiteral("dir"));
    const QCommandLineOption iconDir(QStringLiteral("icon-dir"), QStringLiteral("desktop icons"),
                                     QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"), QStringLiteral("write a contact sheet"),
                                   QStringLiteral("file"));
    parser.addOptions({programDir, resourceDir, iconDir, sheet});
    parser.addHelpOption();
    parser.process(app);
    if (!parser.isSet(programDir) || !parser.isSet(resourceDir)) {
        std::fputs("morvint_art: --program-dir and --resource-dir are required\n", stderr);
        return 2;
    }
    // Another face in place of a missing one would give other pictures than every other build's.
    if (const QStringList missing = MissingFaces(ArtFaces()); !missing.isEmpty()) {
        for (const QString& line : missing) {
            std::fprintf(stderr, "morvint_art: %s\n", qPrintable(line));
        }
        std::fputs("morvint_art: no picture was drawn\n", stderr);
        return 1;
    }
    if (parser.isSet(sheet)) {
        CContactSheet contact(parser.value(programDir), parser.value(resourceDir));
        if (!contact.Write(parser.value(sheet))) {
            std::fprintf(stderr, "morvint_art: cannot write %s\n", qPrintable(parser.value(sheet)));
            return 1;
        }
        return 0;
    }
    if (!parser.isSet(iconDir)) {
        std::fputs("morvint_art: --icon-dir is required\n", stderr);
        return 2;
    }
    CArtGenerator generator(parser.value(programDir), parser.value(resourceDir), parser.value(iconDir));
    if (!generator.Run()) {
        for (const QString& failed : generator.Errors()) {
            std::fprintf(stderr, "morvint_art: cannot write %s\n", qPrintable(failed));
        }
        return 1;
    }
    return 0;
}
