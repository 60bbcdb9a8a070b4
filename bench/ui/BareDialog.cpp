// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of every start-up figure: a bare Qt program that shows one empty 700 x 500 dialog and ends once
// it has been painted. Nothing a Qt program of this size can start faster than this.
//
//   ui_floor               the empty dialog
//   ui_floor --cjk-line    the same dialog with one line of Chinese text in "宋体": what any Chinese program
//                          pays on top of the floor for finding and opening a CJK font
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <cstring>

#include "bench/ui/CReadySignal.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CReadySignal ready([](QWidget& window) { window.close(); });
    application.installEventFilter(&ready);
    QDialog dialog;
    dialog.setFixedSize(700, 500);
    if (argc > 1 && std::strcmp(argv[1], "--cjk-line") == 0) {
        QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
        auto* line = new QLabel(QStringLiteral("周易预测号码"), &dialog);
        line->setFont(QFont(QStringLiteral("宋体")));
        line->move(20, 20);
    }
    dialog.exec();
    return 0;
}
