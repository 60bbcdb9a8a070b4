// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window inside the benchmark process: a program folder with a history of the given size as the
// current directory, the application started as the program starts it (without running its loop), a cast
// made for 2009-06-17, and the main window shown on the home view. Message boxes are counted, not shown.
#include <QString>
#include <memory>

#include "bench/ui/CBenchProgramFolder.h"

class CMainDlg;
class CPageDialog;
class CPredictApp;
class QWidget;

class CBenchWindow {
public:
    explicit CBenchWindow(int records);
    ~CBenchWindow();
    CBenchWindow(const CBenchWindow&) = delete;
    CBenchWindow& operator=(const CBenchWindow&) = delete;

    // Empty when everything is ready; otherwise what went wrong.
    QString Error() const;
    CMainDlg& Window() { return *window; }
    CPredictApp& App() { return *app; }

    // Posts one message to the main window and returns once the page it leads to has been painted, with the
    // page it replaced deleted. False when no page was painted.
    bool PostAndPaint(int message, int wParam, int lParam);
    // The page the page container shows now.
    CPageDialog* ShownPage() const;
    // Paints the shown page (or the home view's panel) at once, its background read from its file.
    bool RepaintShown();

private:
    // The shown page, or the navigation panel on the home view.
    QWidget* ShownWidget() const;

    CBenchProgramFolder folder;
    QString previousFolder;
    std::unique_ptr<CPredictApp> app;
    std::unique_ptr<CMainDlg> window;
    int messages = 0;
};
