// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/CArtGenerator.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

#include "res/ResourceIds.h"
#include "tools/art/Backgrounds.h"
#include "tools/art/CBmpWriter.h"
#include "tools/art/CChimeSynth.h"
#include "tools/art/CFaceRenderer.h"
#include "tools/art/CMotifPainter.h"
#include "tools/art/HoverPictures.h"
#include "tools/art/Pictures.h"

CArtGenerator::CArtGenerator(QString programFolder, QString resourceFolder, QString iconFolder)
    : programDir(std::move(programFolder)),
      resourceDir(std::move(resourceFolder)),
      iconDir(std::move(iconFolder)) {}

const QList<int>& CArtGenerator::IconSizes() {
    static const QList<int> sizes = {16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

bool CArtGenerator::Run() {
    errors.clear();
    for (const QString& dir : {programDir, resourceDir + QStringLiteral("/bitmaps"),
                               resourceDir + QStringLiteral("/icons"), iconDir}) {
        if (!QDir().mkpath(dir)) {
            errors << dir;
        }
    }
    WriteBackgrounds();
    WriteAnimations();
    WriteTrigrams();
    WriteResources();
    WriteIcons();
    if (!CChimeSynth::Write(programDir + QStringLiteral("/jiu_low.wav"))) {
        errors << QStringLiteral("jiu_low.wav");
    }
    return errors.isEmpty();
}

void CArtGenerator::WriteBackgrounds() {
    const QString dir = programDir + QLatin1Char('/');
    Bmp(Backgrounds::MainWindow(), dir + QStringLiteral("main.ggr"));
    Bmp(Backgrounds::NavPanel(), dir + QStringLiteral("left.ggr"));
    Bmp(Backgrounds::StartPage(), dir + QStringLiteral("start.ggr"));
    Bmp(Backgrounds::MakePage(), dir + QStringLiteral("make_gua.ggr"));
    Bmp(Backgrounds::ShowPage(), dir + QStringLiteral("get_gua.ggr"));
    Bmp(Backgrounds::ExplainPage(), dir + QStringLiteral("gua_exp.ggr"));
    Bmp(Backgrounds::NumberPage(), dir + QStringLiteral("get_num.ggr"));
    Bmp(Backgrounds::HistoryPage(), dir + QStringLiteral("history.ggr"));
    Bmp(Backgrounds::ArchiveDialog(), dir + QStringLiteral("archive.ggr"));
    Bmp(Backgrounds::PlayerPage(), dir + QStringLiteral("player.ggr"));
    Bmp(Backgrounds::DateDialog(), dir + QStringLiteral("inputdate.ggr"));
    Bmp(Backgrounds::DateNotice(), dir + QStringLiteral("date_error.ggr"));
    Bmp(Backgrounds::SaveNotice(), dir + QStringLiteral("about_save.ggr"));
    Bmp(Backgrounds::AboutDialog(), dir + QStringLiteral("about.ggr"));
    Bmp(Backgrounds::StatisticsDialog(), dir + QStringLiteral("statistics.ggr"));
    Bmp(HoverPictures::Select(), dir + QStringLiteral("select.mid"));
    Bmp(HoverPictures::History(), dir + QStringLiteral("history.mid"));
    Bmp(HoverPictures::Player(), dir + QStringLiteral("player.mid"));
    Bmp(HoverPictures::Answer(), dir + QStringLiteral("answer.mid"));
}

void CArtGenerator::WriteAnimations() {
    const QImage start = Backgrounds::StartPage();
    for (int frame = 1; frame <= 18; ++frame) {
        Bmp(Pictures::StartFrame(start, frame), QStringLiteral("%1/%2.bmp").arg(programDir).arg(frame));
    }
    const QImage make = Backgrounds::MakePage();
    for (int frame = 0; frame <= 5; ++frame) {
        Bmp(Pictures::MakeFrame(make, frame), QStringLiteral("%1/taiji_%2.bmp").arg(programDir).arg(frame));
    }
}

void CArtGenerator::WriteTrigrams() {
    for (int trigram = 1; trigram <= 8; ++trigram) {
        Bmp(Pictures::Trigram(trigram),
            programDir + QLatin1Char('/') + CMotifPainter::TrigramName(trigram) + QStringLiteral(".bmp"));
    }
}

void CArtGenerator::WriteResources() {
    const QString dir = resourceDir + QStringLiteral("/bitmaps/");
    for (const FaceSpec& face : kFaces) {
        Bmp(CFaceRenderer::Render(face), dir + QString::number(face.id) + QStringLiteral(".bmp"));
    }
    Bmp(Pictures::DrawNumberLabel(), dir + QString::number(kDrawNumberLabelBitmap) + QStringLiteral(".bmp"));
    Bmp(Pictures::PanelSeal(), dir + QString::number(kPanelSealBitmap) + QStringLiteral(".bmp"));
    Bmp(Pictures::ChartMarker(), dir + QString::number(kChartMarkerBitmap) + QStringLiteral(".bmp"));
    Bmp(Pictures::AboutLink(), dir + QString::number(kAboutLinkBitmap) + QStringLiteral(".bmp"));
    Bmp(Pictures::AboutCredit(), dir + QString::number(kAboutCreditBitmap) + QStringLiteral(".bmp"));
    // The window's icon, with its transparent corners: a BMP that the program reads without Qt's image
    // plugins or the PNG library.
    const QString icon = resourceDir + QStringLiteral("/icons/128.bmp");
    if (!CBmpWriter::WriteWithAlpha(Pictures::Icon(128), icon)) {
        errors << icon;
    }
}

void CArtGenerator::WriteIcons() {
    for (int size : IconSizes()) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(iconDir).arg(size);
        if (!QDir().mkpath(dir)) {
            errors << dir;
            continue;
        }
        Png(Pictures::Icon(size), dir + QStringLiteral("/morvint.png"));
    }
}

void CArtGenerator::Bmp(const QImage& image, const QString& path) {
    if (!CBmpWriter::Write(image, path)) {
        errors << path;
    }
}

void CArtGenerator::Png(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        errors << path;
        return;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image) || !file.commit()) {
        errors << path;
    }
}
