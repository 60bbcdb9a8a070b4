// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CAboutDlg.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

#include "controls/ImageFile.h"
#include "res/Layout.h"
#include "res/ResourceIds.h"
#include "shell/CHelpWindow.h"
#include "shell/OpenHelp.h"

namespace {

// A picture label sized to its picture, as a picture static sizes itself; the layout's rectangle when the
// picture is missing.
void ShowPicture(QLabel& label, unsigned id, const Layout::Rect& rect) {
    const QPixmap picture = QPixmap::fromImage(ResourceBitmap(id));
    label.setPixmap(picture);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QSize size = picture.isNull() ? QSize(rect.w, rect.h) : picture.size();
    label.setGeometry(rect.x, rect.y, size.width(), size.height());
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CPageDialog(parent), link(this), credit(this) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Frameless, the title shows nowhere; a screen reader and the window list still name the box by it.
    setWindowTitle(QStringLiteral("关于 Quintara V4.3"));
    setAccessibleName(windowTitle());
    const Layout::Rect& client = Layout::AboutDialog::client;
    setFixedSize(client.w, client.h);
    SetBackgroundFile(QStringLiteral("about.ggr"), client.w, client.h);
    ShowPicture(link, kAboutLinkBitmap, Layout::AboutDialog::link);
    ShowPicture(credit, kAboutCreditBitmap, Layout::AboutDialog::credit);
    // Both lines are pictures: a screen reader gets their words from here.
    link.setAccessibleName(QStringLiteral("访问 Quintara 主页"));
    credit.setAccessibleName(QStringLiteral("© Quintara 工作室　预测仅供娱乐"));
}

QString CAboutDlg::HelpAddress() {
    return QUrl::fromLocalFile(HelpFilePath(0)).toString();
}

bool CAboutDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    const QString address = HelpAddress();
    link.SetLinkTarget(address);
    link.SetLinkTip(address);
    link.SetFileOpener([](const QString& path) { return CHelpWindow::Show(path); });
    return true;
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    // Presses on the credit picture arrive here too (a plain label does not take them): they do not close.
    const QPoint point = event->position().toPoint();
    const bool onStatic = link.geometry().contains(point) || credit.geometry().contains(point);
    if (event->button() == Qt::LeftButton && !onStatic) {
        accept();
        return;
    }
    CPageDialog::mousePressEvent(event);
}
