// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-program help viewer: one window showing one of the program's HTML help documents, with its links
// followed inside the window.
#include <QString>
#include <QTextBrowser>

class CHelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    // Shows the document at path in the help window (made on first use, raised when it exists). Returns false
    // and opens nothing when the document is not there.
    static bool Show(const QString& path);
    // The help window now open, or null.
    static CHelpWindow* Current();

private:
    explicit CHelpWindow(QWidget* owner);
};
