// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/tour/CTour.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "pages/CNumberPage.h"
#include "tests/support/CProgramFolder.h"
#include "tests/tour/TourWindows.h"
#include "tests/tour/ViewChecks.h"

CTour::CTour(const QString& outputDir_, CProgramFolder& folder_, FixedClock& clock_, Walk walk_)
    : outputDir(outputDir_), folder(folder_), clock(clock_), walk(walk_) {}

void CTour::Run() {
    if (walk == Walk::Today) {
        AddTodayDateSteps();
        AddPredictionSteps();
        driver.Add(
            QStringLiteral("home from the numbers"),
            [this] { return ShownPage<CNumberPage>(Main()) != nullptr; },
            [this] { ShownPage<CNumberPage>(Main())->backButton.click(); });
    } else {
        AddHomeSteps();
        AddPlayerSteps();
        AddDateSteps();
        AddPredictionSteps();
        AddSaveSteps();
        AddRecordsSteps();
    }
    AddExitSteps();

    driver.Start([this](bool finished) {
        if (!finished) {
            Fail(driver.Failure());
            // Leaves every modal loop and the main window's loop: the program ends as after a crash-free
            // abort.
            QApplication::exit(1);
        }
    });
    CMainApp app;
    app.InitInstance();
    if (!driver.Finished() && failures.isEmpty()) {
        Fail(QStringLiteral("the program ended before the tour did"));
    }
}

CMainDlg* CTour::Main() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<CMainDlg*>(window); main != nullptr && main->isVisible()) {
            return main;
        }
    }
    return nullptr;
}

CNavPanel* CTour::Panel() const {
    CMainDlg* main = Main();
    return main != nullptr ? dynamic_cast<CNavPanel*>(main->navContainer.Page(0)) : nullptr;
}

bool CTour::AtHome() const {
    const CMainDlg* main = Main();
    const QWidget* modal = QApplication::activeModalWidget();
    return main != nullptr && main->navContainer.isVisible() && modal == nullptr;
}

void CTour::ShootMain(const QString& name) {
    CMainDlg* main = Main();
    if (main == nullptr) {
        Fail(name + QStringLiteral(": no main window"));
        return;
    }
    const QImage view = main->grab().toImage();
    Save(name, view, view, *main);
}

void CTour::ShootModal(const QString& name, QWidget& window) {
    CMainDlg* main = Main();
    const QImage view = window.grab().toImage();
    const bool framed = !window.windowFlags().testFlag(Qt::FramelessWindowHint);
    const QImage shot = main != nullptr ? OverMainWindow(main->grab().toImage(), view,
                                                         framed ? window.windowTitle() : QString())
                                        : view;
    Save(name, shot, view, window);
}

void CTour::Save(const QString& name, const QImage& shot, const QImage& view, const QWidget& window) {
    const QString prefix = walk == Walk::Today ? QStringLiteral("today-") : QString();
    const QString file =
        QStringLiteral("%1-%2%3.png").arg(shots.size() + 1, 2, 10, QLatin1Char('0')).arg(prefix, name);
    if (!shot.save(QDir(outputDir).filePath(file))) {
        Fail(file + QStringLiteral(": cannot write it"));
    }
    shots << file;
    if (IsBlank(view)) {
        Fail(file + QStringLiteral(": the view is blank"));
    }
    // A window drawn at the device's scale must fill its pixels, not a corner of them.
    if (view.size() != window.size() * view.devicePixelRatio()) {
        Fail(file + QStringLiteral(": drawn %1x%2 for a window of %3x%4 at scale %5")
                        .arg(view.width())
                        .arg(view.height())
                        .arg(window.width())
                        .arg(window.height())
                        .arg(view.devicePixelRatio()));
    }
    for (const QString& control : ControlsOutside(window)) {
        Fail(file + QStringLiteral(": outside its window: ") + control);
    }
}

void CTour::Fail(const QString& what) {
    failures << what;
}
