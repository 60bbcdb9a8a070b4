// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CHelpWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QUrl>

#include "controls/WindowPlacement.h"
#include "shell/MessageSink.h"

namespace {

QPointer<CHelpWindow>& Window() {
    static QPointer<CHelpWindow> window;
    return window;
}

// Help asked for from a modal dialog must stay usable while that dialog runs: such a window belongs to the
// dialog (and closes with it). Otherwise it belongs to the window whose button asked for it, the active one:
// it opens over that window, stays above it and closes with it, instead of wherever the window manager puts
// a window of its own.
QWidget* HelpOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    QWidget* active = QApplication::activeWindow();
    return qobject_cast<CHelpWindow*>(active) != nullptr ? active->parentWidget() : active;
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* owner) : QTextBrowser(owner) {
    // A dialog to the window manager: a window of its own, yet kept with its owner, above it.
    setWindowFlags(Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(true);
    resize(640, 480);
    // A reading window closes from the keyboard as other desktop viewers do.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }
}

bool CHelpWindow::Show(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        return false;
    }
    QWidget* owner = HelpOwner();
    QPointer<CHelpWindow>& window = Window();
    if (window != nullptr && window->parentWidget() != owner) {
        delete window.data();
    }
    // A window already open stays where the user left it.
    if (window == nullptr) {
        window = new CHelpWindow(owner);
        PlaceOverOwner(*window, owner, true);
    }
    window->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    const QString title = window->documentTitle();
    window->setWindowTitle(title.isEmpty() ? QString::fromUtf8(kAppTitle) : title);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

CHelpWindow* CHelpWindow::Current() {
    return Window().data();
}
