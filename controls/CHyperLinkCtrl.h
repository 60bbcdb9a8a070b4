// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label (usually showing a picture) that opens a web address or a file when clicked, with a hand cursor and
// a tooltip. It draws nothing of its own. A failed open beeps and names the cause in a message. Web addresses
// go to the desktop's opener; files too, unless the link has a file opener of its own.
#include <QLabel>
#include <QString>
#include <QUrl>
#include <functional>

class CHyperLinkCtrl : public QLabel {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(const QString& message)>;
    using UrlOpener = std::function<bool(const QUrl& url)>;
    // Shows a local file (given as an absolute path); false when it could not.
    using FileOpener = std::function<bool(const QString& path)>;

    // What OpenLink returns when the target was handed to an opener; failures are 32 or less.
    static constexpr int kOpenSucceeded = 33;

    explicit CHyperLinkCtrl(QWidget* parent = nullptr);

    // Stores the target; an empty tip takes the target as its text.
    void SetLinkTarget(const QString& target);
    void SetLinkTip(const QString& text);
    QString Target() const { return target; }
    QString Tip() const { return tip; }

    // Shows files with fileOpener when there is one, the desktop's opener otherwise and for every web
    // address.
    void SetFileOpener(FileOpener opener);

    // Opens target as a click does. Returns kOpenSucceeded, or the code of the failure.
    static int OpenLink(const QString& target, const FileOpener& fileOpener = {});
    // "Unable to open hyperlink:\n\n" followed by the cause for code.
    static QString OpenErrorMessage(int code);
    // Shows OpenErrorMessage(code) through the error reporter.
    void ReportOpenError(int code);

    // Replace how failures are shown (a warning message box by default) and how targets are opened
    // (QDesktopServices::openUrl by default). Each returns the one it replaces; an empty function restores
    // the default.
    static ErrorReporter SetErrorReporter(ErrorReporter reporter);
    static UrlOpener SetUrlOpener(UrlOpener opener);

signals:
    // Emitted after each click, with the result of OpenLink.
    void clickedLink(int result);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateTip();

    QString target;
    QString tip;
    FileOpener fileOpener;
    bool pressed = false;
};
