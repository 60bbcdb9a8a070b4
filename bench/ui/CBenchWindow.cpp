// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ui/CBenchWindow.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/CMainDlg.h"
#include "controls/CjkFonts.h"
#include "controls/PostedMessage.h"
#include "controls/ProgramFiles.h"
#include "core/Cast.h"
#include "res/Resources.h"
#include "shell/CPageDialog.h"
#include "shell/CPredictApp.h"
#include "shell/MessageBox.h"

namespace {

// Notes whether a widget received a paint event while it lives.
class CPaintWatch : public QObject {
public:
    explicit CPaintWatch(QWidget* watched) : widget(watched) { widget->installEventFilter(this); }
    ~CPaintWatch() override { widget->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    QWidget* widget;
    bool painted = false;
};

bool WaitForPaint(CPaintWatch& watch) {
    for (int round = 0; round < 100 && !watch.painted; ++round) {
        QCoreApplication::processEvents();
    }
    return watch.painted;
}

}  // namespace

CBenchWindow::CBenchWindow(int records) : folder(records) {
    if (!folder.IsValid()) {
        return;
    }
    previousFolder = SetProgramFilesFolder(folder.Path());
    InstallCjkFontSubstitutions();
    InitResources();
    SetMessageBoxHandler([this](const QString&, const QString&) { ++messages; });

    app = std::make_unique<CPredictApp>();
    app->random.Fill(20090617);
    app->OpenDatabase();
    app->state.minDrawDate = COleDateTime(2009, 6, 17);
    app->LoadPlayer();
    app->LoadHistory();
    PredictionState& state = app->state;
    state.drawDate = COleDateTime(2011, 6, 17, 9, 30, 0);
    static_cast<void>(state.lunar.Convert(state.drawDate));
    state.issueNumber = "2011160";
    CastFromNumber(state, 4721);

    window = std::make_unique<CMainDlg>(*app);
    window->show();
    QCoreApplication::processEvents();
}

CBenchWindow::~CBenchWindow() {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.reset();
    SetMessageBoxHandler({});
    SetProgramFilesFolder(previousFolder);
}

QString CBenchWindow::Error() const {
    if (!folder.IsValid()) {
        return folder.Error();
    }
    if (messages != 0) {
        return QStringLiteral("%1 message boxes came up").arg(messages);
    }
    return {};
}

CPageDialog* CBenchWindow::ShownPage() const {
    return window->pageContainer.Page(window->pageContainer.CurrentIndex());
}

QWidget* CBenchWindow::ShownWidget() const {
    if (window->pageContainer.isVisible()) {
        return ShownPage();
    }
    return window->navContainer.Page(0);
}

bool CBenchWindow::PostAndPaint(int message, int wParam, int lParam) {
    PostMessageTo(window.get(), message, wParam, lParam);
    QCoreApplication::sendPostedEvents(window.get(), CPostedMessage::Type());
    QWidget* shown = ShownWidget();
    if (shown == nullptr) {
        return false;
    }
    CPaintWatch watch(shown);
    const bool painted = WaitForPaint(watch);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return painted;
}

bool CBenchWindow::RepaintShown() {
    QWidget* shown = ShownWidget();
    if (shown == nullptr) {
        return false;
    }
    CPaintWatch watch(shown);
    shown->repaint();
    return watch.painted;
}
