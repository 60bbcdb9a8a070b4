#include "shell/CHelpWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QUrl>

#include "shell/MessageSink.h"

namespace {

QPointer<CHelpWindow>& Window() {
    static QPointer<CHelpWindow> window;
    return window;
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* owner) : QTextBrowser(owner) {
    setWindowFlags(Qt::Window);
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
    // Help asked for from a modal dialog must stay usable while that dialog runs: such a window belongs to
    // the dialog (and closes with it). Otherwise it stands on its own.
    QWidget* owner = QApplication::activeModalWidget();
    QPointer<CHelpWindow>& window = Window();
    if (window != nullptr && window->parentWidget() != owner) {
        delete window.data();
    }
    if (window == nullptr) {
        window = new CHelpWindow(owner);
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
