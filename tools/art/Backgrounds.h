// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>

// The window backgrounds. Each carries the title, the captions beside its controls and the colour each
// button's key expects around it; positions come from res/Layout.h.
namespace Backgrounds {
QImage MainWindow();     // main.ggr 700 x 500
QImage NavPanel();       // left.ggr 187 x 455
QImage StartPage();      // start.ggr 700 x 455
QImage MakePage();       // make_gua.ggr 700 x 455
QImage ShowPage();       // get_gua.ggr 700 x 455
QImage ExplainPage();    // gua_exp.ggr 700 x 500
QImage NumberPage();     // get_num.ggr 700 x 455
QImage HistoryPage();    // history.ggr 700 x 455
QImage ArchiveDialog();  // archive.ggr 700 x 455
QImage PlayerPage();     // player.ggr 700 x 455
QImage DateDialog();     // inputdate.ggr 350 x 230
QImage DateNotice();     // date_error.ggr 350 x 230
QImage SaveNotice();     // about_save.ggr 350 x 230
QImage AboutDialog();    // about.ggr 350 x 230

// statistics.ggr 600 x 440
QImage StatisticsDialog();

// The plot colour of the fortune chart, also the ground of its marker bitmap.
QColor ChartGround();
// The card colour under the trigram pictures on the show and explanation pages.
QColor HexagramCard();
}  // namespace Backgrounds
