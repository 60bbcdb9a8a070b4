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

    // The link's target and tip: "help.html" of the program's folder as a file address, so it works offline.
    static QString HelpAddress();

    CHyperLinkCtrl link;  // 1058
    QLabel credit;        // 1059

protected:
    bool OnInitDialog() override;
    void mousePressEvent(QMouseEvent* event) override;
};
