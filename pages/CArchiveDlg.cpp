// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CArchiveDlg.h"

#include <QPainter>

#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "pages/RecordTexts.h"
#include "res/Layout.h"
#include "res/RecordColumns.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"
#include "shell/QtMessageTexts.h"

namespace {

namespace A = Layout::ArchiveDialog;

}  // namespace

CArchiveDlg::CArchiveDlg(const CPredictStore& store, QWidget* parent)
    : CPageDialog(parent), list(this), backButton(this), archive(store) {
    // The records page's picture, laid exactly over the page, in a window the window manager frames: its
    // title bar lies over the main window's, names the view, and moves it.
    setWindowFlags(Qt::Dialog);
    SetPlacement(Placement::covering);
    setWindowTitle(QStringLiteral("预测记录归档"));
    setFixedSize(A::client.w, A::client.h);
    SetBackgroundFile(QStringLiteral("archive.ggr"), A::client.w, A::client.h);
    connect(&backButton, &QAbstractButton::clicked, this, &QDialog::accept);
}

bool CArchiveDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    SetUpSkinButton(backButton, A::backButton, kBackHotBitmap, kBackBitmap, kCeladonKey,
                    QStringLiteral("返回"));
    list.setFont(DialogFont());
    list.setModel(&archive);
    list.SetColumnWidths(RecordColumnsSpec());
    list.KeepColumnsInView(RecordColumns::kColumns.back().width);
    Place(list, A::list);
    list.setAccessibleName(QStringLiteral("预测记录归档"));
    if (archive.Count() > 0) {
        list.setCurrentCell(0, 0);
    }
    list.setFocus();
    setAccessibleDescription(CountText());
    return true;
}

QString CArchiveDlg::CountText() const {
    if (archive.Count() == 0) {
        return TextOf(Messages::kArchiveEmpty);
    }
    return TextOf(Messages::kArchiveCount).arg(archive.Count()).arg(archive.NewestArchivedAt().left(16));
}

void CArchiveDlg::paintEvent(QPaintEvent* event) {
    CPageDialog::paintEvent(event);
    QPainter painter(this);
    QFont font = DialogFont();
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(QColor(0, 40, 40));
    painter.drawText(QRect(A::countText.x, A::countText.y, A::countText.w, A::countText.h),
                     Qt::AlignLeft | Qt::AlignVCenter, CountText());
}
