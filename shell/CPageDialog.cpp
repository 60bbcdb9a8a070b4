// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CPageDialog.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

#include "controls/PostedMessage.h"
#include "shell/PageChrome.h"

CPageDialog::CPageDialog(QWidget* parent) : QDialog(parent) {}

bool CPageDialog::Create(QWidget* parent) {
    setParent(parent, Qt::Widget);
    hide();
    return EnsureInitialised();
}

int CPageDialog::DoModal() {
    EnsureInitialised();
    PlaceOverOwner(*this, parentWidget(), true, placement);
    return exec();
}

bool CPageDialog::EnsureInitialised() {
    if (initialised) {
        return true;
    }
    initialised = true;
    return OnInitDialog();
}

bool CPageDialog::OnInitDialog() {
    return true;
}

void CPageDialog::setVisible(bool visible) {
    if (visible) {
        EnsureInitialised();
    }
    QDialog::setVisible(visible);
}

void CPageDialog::SetBackgroundFile(const QString& file, int width, int height) {
    backgroundFile = file;
    backgroundWidth = width;
    backgroundHeight = height;
    update();
}

void CPageDialog::PostNavigate(NavStage stage, NavCode code) {
    PostMessageTo(mainWindow, WM_NAVIGATE, MessageParam(stage), MessageParam(code));
}

void CPageDialog::paintEvent(QPaintEvent* /*event*/) {
    if (backgroundFile.isEmpty()) {
        return;
    }
    QPainter painter(this);
    PaintBackground(painter, backgroundFile, backgroundWidth, backgroundHeight);
}

void CPageDialog::keyPressEvent(QKeyEvent* event) {
    // Inside a container a page is no dialog of its own: hiding itself on Esc would leave a hole.
    if (!isWindow()) {
        event->ignore();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QAbstractButton*>(focusWidget());
                button != nullptr && button->isVisible()) {
                button->click();
            } else {
                OnOK();
            }
            return;
        case Qt::Key_Escape:
            OnCancel();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CPageDialog::reject() {
    if (isWindow()) {
        QDialog::reject();
    }
}

void CPageDialog::OnOK() {
    accept();
}

void CPageDialog::OnCancel() {
    reject();
}
