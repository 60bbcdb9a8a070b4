// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CHyperLinkCtrl.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>

#include "controls/HyperLinkErrors.h"
#include "controls/WindowPlacement.h"

#include <utility>

namespace {

CHyperLinkCtrl::ErrorReporter& Reporter() {
    static CHyperLinkCtrl::ErrorReporter reporter;
    return reporter;
}

CHyperLinkCtrl::UrlOpener& Opener() {
    static CHyperLinkCtrl::UrlOpener opener;
    return opener;
}

bool OpenWithDesktop(const QUrl& url) {
    if (Opener()) {
        return Opener()(url);
    }
    return QDesktopServices::openUrl(url);
}

// A target with a scheme of two letters or more ("https:", "file:", "mailto:") is an address; anything else
// is a file name, relative names resolving against the current directory.
bool IsAddress(const QUrl& url) {
    return url.isValid() && url.scheme().size() > 1;
}

// The desktop's opener says only yes or no, so the causes that can be told apart beforehand are checked here
// and given the codes the message table knows: a missing file 2, a missing folder 3, an unreadable file 5.
// An opener that refuses gives 31, "no application associated", the usual reason on a desktop.
int CheckLocalFile(const QString& path) {
    if (path.isEmpty()) {
        return 2;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return info.absoluteDir().exists() ? 2 : 3;
    }
    if (!info.isReadable()) {
        return 5;
    }
    return 0;
}

}  // namespace

CHyperLinkCtrl::CHyperLinkCtrl(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void CHyperLinkCtrl::SetLinkTarget(const QString& newTarget) {
    target = newTarget;
    if (tip.isEmpty()) {
        tip = target;
    }
    UpdateTip();
}

void CHyperLinkCtrl::SetLinkTip(const QString& text) {
    tip = text;
    UpdateTip();
}

void CHyperLinkCtrl::UpdateTip() {
    setToolTip(tip.isEmpty() ? target : tip);
}

void CHyperLinkCtrl::SetFileOpener(FileOpener opener) {
    fileOpener = std::move(opener);
}

int CHyperLinkCtrl::OpenLink(const QString& linkTarget, const FileOpener& fileOpener) {
    const QUrl address(linkTarget, QUrl::StrictMode);
    if (IsAddress(address) && !address.isLocalFile()) {
        return OpenWithDesktop(address) ? kOpenSucceeded : 31;
    }
    const QString path = IsAddress(address) ? address.toLocalFile() : linkTarget;
    if (const int code = CheckLocalFile(path); code != 0) {
        return code;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool opened = fileOpener ? fileOpener(absolute) : OpenWithDesktop(QUrl::fromLocalFile(absolute));
    return opened ? kOpenSucceeded : 31;
}

QString CHyperLinkCtrl::OpenErrorMessage(int code) {
    return QStringLiteral("Unable to open hyperlink:\n\n") + HyperLinkErrorText(code);
}

void CHyperLinkCtrl::ReportOpenError(int code) {
    const QString message = OpenErrorMessage(code);
    if (Reporter()) {
        Reporter()(message);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    window());
    PlaceOverOwner(box, window(), false);
    box.exec();
}

CHyperLinkCtrl::ErrorReporter CHyperLinkCtrl::SetErrorReporter(ErrorReporter reporter) {
    return std::exchange(Reporter(), std::move(reporter));
}

CHyperLinkCtrl::UrlOpener CHyperLinkCtrl::SetUrlOpener(UrlOpener opener) {
    return std::exchange(Opener(), std::move(opener));
}

void CHyperLinkCtrl::mousePressEvent(QMouseEvent* event) {
    // Taken here, so the window under the link does not see the click as its own.
    event->accept();
    pressed = event->button() == Qt::LeftButton;
}

void CHyperLinkCtrl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click =
        pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed = false;
    if (!click) {
        return;
    }
    const int result = OpenLink(target, fileOpener);
    if (result <= 32) {
        QApplication::beep();
        ReportOpenError(result);
    }
    emit clickedLink(result);
}
