// SPDX-License-Identifier: GPL-3.0-or-later
// Each button face is keyed to the colour of the page around it, and each picture shown by a plain static
// is drawn on the colour of the page beneath it: the backgrounds must hold those colours where the controls
// sit.
#include <gtest/gtest.h>

#include <QImage>

#include "res/Layout.h"
#include "res/Resources.h"
#include "tests/res/ExpectedArt.h"

namespace {
struct Placement {
    const char* background;
    Layout::Rect rect;
    QRgb ground;  // 0: take it from the picture shown there (`picture`)
    const char* picture;
    const char* what;
};

std::vector<Placement> Placements() {
    namespace N = Layout::NavPanel;
    namespace P = Layout::PlayerPage;
    namespace D = Layout::DateDialog;
    namespace X = Layout::NoticeDialog;
    return {
        {"main.ggr", Layout::MainWindow::exitButton, kCeladon, nullptr, "exit"},
        {"left.ggr", N::predictButton, kTeal, nullptr, "predict"},
        {"left.ggr", N::recordsButton, kTeal, nullptr, "records"},
        {"left.ggr", N::playerButton, kTeal, nullptr, "player"},
        {"left.ggr", N::answersButton, kTeal, nullptr, "answers"},
        {"left.ggr", N::aboutButton, kTeal, nullptr, "about"},
        {"left.ggr", N::seal, 0, ":/bitmaps/194.bmp", "seal"},
        {"start.ggr", Layout::StartPage::castButton, kMist, nullptr, "cast"},
        {"start.ggr", Layout::StartPage::backButton, kMist, nullptr, "start back"},
        {"get_gua.ggr", Layout::ShowPage::nextButton, kDeep, nullptr, "show next"},
        {"get_gua.ggr", Layout::ShowPage::backButton, kCeladon, nullptr, "show back"},
        {"gua_exp.ggr", Layout::ExplainPage::nextButton, kDeep, nullptr, "explain next"},
        {"gua_exp.ggr", Layout::ExplainPage::backButton, kCeladon, nullptr, "explain back"},
        {"get_num.ggr", Layout::NumberPage::previousButton, kDeep, nullptr, "number previous"},
        {"get_num.ggr", Layout::NumberPage::saveButton, kDeep, nullptr, "number save"},
        {"get_num.ggr", Layout::NumberPage::backButton, kCeladon, nullptr, "number back"},
        {"history.ggr", Layout::HistoryPage::confirmButton, kCeladon, nullptr, "history confirm"},
        {"history.ggr", Layout::HistoryPage::backButton, kCeladon, nullptr, "history back"},
        {"history.ggr", {206, 404, 138, 21}, 0, ":/bitmaps/183.bmp", "draw number label"},
        {"player.ggr", P::saveButton, kWhite, nullptr, "player save"},
        {"player.ggr", P::backButton, kWhite, nullptr, "player back"},
        {"player.ggr", P::applyCodeButton, kWhite, nullptr, "apply code"},
        // Keyed red, but on the white form: its face blends its edges into white.
        {"player.ggr", P::fortuneHelpButton, kWhite, nullptr, "fortune help"},
        {"player.ggr", P::maleButton, kWhite, nullptr, "male"},
        {"player.ggr", P::femaleButton, kWhite, nullptr, "female"},
        {"inputdate.ggr", D::okButton, kCeladon, nullptr, "date ok"},
        {"inputdate.ggr", D::cancelButton, kCeladon, nullptr, "date cancel"},
        {"inputdate.ggr", D::helpButton, kOlive, nullptr, "date help"},
        {"date_error.ggr", X::okButton, kCeladon, nullptr, "notice ok"},
        {"about_save.ggr", X::saveButton, kWhite, nullptr, "notice save"},
        {"about_save.ggr", X::cancelButton, kWhite, nullptr, "notice cancel"},
        {"statistics.ggr", Layout::StatisticsDialog::okButton, kCeladon, nullptr, "statistics ok"},
        {"archive.ggr", Layout::ArchiveDialog::backButton, kCeladon, nullptr, "archive back"},
        {"about.ggr",
         {Layout::AboutDialog::link.x, Layout::AboutDialog::link.y, 206, 18},
         0,
         ":/bitmaps/204.bmp",
         "about link"},
        {"about.ggr",
         {Layout::AboutDialog::credit.x, Layout::AboutDialog::credit.y, 215, 18},
         0,
         ":/bitmaps/205.bmp",
         "about credit"},
    };
}

// Pixels on the rectangle's outline that differ from `ground`.
int OutlineMismatches(const QImage& image, const Layout::Rect& r, QRgb ground) {
    int mismatches = 0;
    for (int x = r.x; x < r.Right(); ++x) {
        mismatches += image.pixel(x, r.y) != ground;
        mismatches += image.pixel(x, r.Bottom() - 1) != ground;
    }
    for (int y = r.y; y < r.Bottom(); ++y) {
        mismatches += image.pixel(r.x, y) != ground;
        mismatches += image.pixel(r.Right() - 1, y) != ground;
    }
    return mismatches;
}
}  // namespace

TEST(ButtonGround, EachBackgroundHoldsTheKeyColourAroundItsButtons) {
    InitResources();
    for (const Placement& placement : Placements()) {
        SCOPED_TRACE(placement.what);
        QImage background;
        ASSERT_TRUE(background.load(ProgramFile(placement.background), "BMP"));
        QRgb ground = placement.ground;
        if (ground == 0) {
            const QImage picture(QString::fromLatin1(placement.picture));
            ASSERT_FALSE(picture.isNull());
            ground = picture.pixel(0, 0);
        }
        EXPECT_EQ(OutlineMismatches(background, placement.rect, ground), 0);
    }
}

TEST(ButtonGround, TrigramPicturesContinueTheCardsTheyLieOn) {
    QImage trigram;
    ASSERT_TRUE(trigram.load(ProgramFile("乾.bmp"), "BMP"));
    const QRgb card = trigram.pixel(44, 10);
    namespace S = Layout::ShowPage;
    namespace E = Layout::ExplainPage;
    const std::pair<const char*, std::vector<Layout::Rect>> pages[] = {
        {"get_gua.ggr",
         {S::mainUpper, S::mainLower, S::mutualUpper, S::mutualLower, S::changedUpper, S::changedLower}},
        {"gua_exp.ggr",
         {E::mainUpper, E::mainLower, E::mutualUpper, E::mutualLower, E::changedUpper, E::changedLower}},
    };
    for (const auto& [file, rects] : pages) {
        SCOPED_TRACE(file);
        QImage page;
        ASSERT_TRUE(page.load(ProgramFile(file), "BMP"));
        for (const Layout::Rect& r : rects) {
            for (int y = r.y; y < r.Bottom(); ++y) {
                EXPECT_EQ(page.pixel(r.x - 1, y), card) << r.x << "," << y;
                EXPECT_EQ(page.pixel(r.Right(), y), card) << r.Right() << "," << y;
            }
        }
    }
}
