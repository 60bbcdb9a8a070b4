// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: a picture without caption with two lines of pictures, the first a link to the program's help
// document. A click anywhere else on it closes it.
#include <QLabel>
#include <QString>

#include "controls/CHyperLinkCtrl.h"
#include "shell/CPageDialog.h"

class CAboutDlg : public CPageDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The link's target and tip: the program's own "help.html" as a file address. A click shows it in the
    // program's help window, so no desktop opener is needed.
    static QString HelpAddress();

    CHyperLinkCtrl link;
    QLabel credit;

protected:
    bool OnInitDialog() override;
    void mousePressEvent(QMouseEvent* event) override;
};
