// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: a fixed 700 x 500 picture with two page containers. The home view shows the navigation
// panel with the player's name and the exit button; the page view shows one page of the prediction, the
// records or the player profile. Pages and the panel never switch views themselves: they post messages here,
// and this window creates, replaces and shows the pages.
//
// It is the application's window, not a dialog the user dismisses: a normal top-level window with title,
// minimise and close, a taskbar entry, and no modality of its own. Only 退出, the close button and the window
// manager's close end it; Esc does nothing here.
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QString>

#include "app/CPageTab.h"
#include "controls/CPictureStatic.h"
#include "controls/CSkinButton.h"
#include "controls/Colour.h"
#include "shell/Navigation.h"
#include "shell/OpenHelp.h"

class CPageDialog;
class CPredictApp;

class CMainDlg : public QDialog {
    Q_OBJECT

public:
    // Page slots of the page container.
    static constexpr int kRecordsOrPlayerSlot = 0;
    static constexpr int kStepSlot = 1;  // start, make, show or explanation page
    static constexpr int kNumberSlot = 2;

    // The window of app, which must outlive it: the one place that takes the store, the prediction in
    // progress, the random table and the help from the application and hands each page what it works on.
    explicit CMainDlg(CPredictApp& application, QWidget* parent = nullptr);

    // Shows the window and runs the event loop until the window closes. Returns Accepted after 退出,
    // Rejected after the close button or the window manager's close.
    int RunUntilClosed();

    // The page container at full height for the explanation page (labels and exit button hidden), else at
    // 700 x 455 with them shown; then the page at index.
    void ShowPageView(int index, bool fullHeight);
    void ShowHomeView();

    // Ends the dialog whichever way it closes: the pages go first.
    void done(int result) override;

    CPageTab navContainer;  // the navigation panel
    CPageTab pageContainer;
    CPictureStatic picture;  // hover picture of the navigation buttons
    CSkinButton playerLabel;
    CSkinButton zodiacLabel;
    CSkinButton exitButton;
    QString playerLine;
    QString zodiacLine;

    // Shown, the window fits the player's name to its label.
    void setVisible(bool visible) override;

protected:
    void customEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();
    void SetUpLabel(CSkinButton& label, COLORREF colour);
    // The player's line and animal as the profile in memory has them.
    void ShowPlayer();
    void SetPlayerLines(const QString& player, const QString& zodiac);
    void SetPlayerLines(const QString& name, const QString& sex, const QString& zodiac);
    void FitPlayerName();
    void CreateStartPages();
    // The hover card belongs to the home view with nothing above it.
    bool HoverCardAllowed() const;
    void FocusFirstPanelButton();

    void OnNavigate(NavStage stage, NavCode code);
    // Shows the hover picture of kind (NoPicture hides it) with the chime, or quietly for the keyboard focus.
    void OnShowPicture(ViewKind kind, bool quietly);
    void OnOpenView(ViewKind kind);
    void OnNewPrediction();
    // The command id of the about item, as the window menu numbers it.
    static constexpr unsigned kAboutCommand = 0x10;
    void OnSysCommand(unsigned id);
    void OnMute(bool muted);
    void OnExit();

    // Gives a new page, built from arguments, this window as the target of its messages, as every page gets
    // before it is created.
    template <class Page, class... Arguments>
    Page* NewPage(Arguments&&... arguments);
    // What the help buttons of the panel and the pages are handed.
    HelpOpener Help() const;

    CPredictApp& app;

    QFont labelFont;
    // The name and the 先生 or 小姐 of the player line, while a name is shown.
    QString playerName;
    QString playerSex;
    QIcon icon;
};
