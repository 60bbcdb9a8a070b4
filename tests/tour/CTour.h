// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tour: runs the whole program, from its own start-up, and walks through every view as a user would,
// with the mouse and the keyboard: the home view with each hover picture, the about box, the player page
// with a fortune chart, the date dialog with each of its refusals and the date notice, a whole prediction
// from the start page to the save question and the success message, and the records page after the draws,
// with hits and misses. Each view is written as a PNG; a view that renders blank or has a control outside
// its window fails the tour.
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include "tests/support/CStepDriver.h"

class CMainDlg;
class CNavPanel;
class CProgramFolder;
class FixedClock;
class QWidget;

class CTour : public QObject {
public:
    // The whole walk with the clock at 2009-06-17, or (today) a prediction for the day the clock stands at,
    // whose views are named "today-…".
    enum class Walk { Full, Today };

    CTour(const QString& outputDir, CProgramFolder& folder, FixedClock& clock, Walk walk = Walk::Full);

    // Runs the program with the tour driving it; returns when the program has ended. The failures are empty
    // when every view was reached and drawn well.
    void Run();
    QStringList Failures() const { return failures; }
    QStringList Shots() const { return shots; }

private:
    void AddHomeSteps();
    void AddPlayerSteps();
    void AddDateSteps();
    void AddTodayDateSteps();
    void AddRefusal(const QString& date, const QString& issue, const QString& expected, const QString& shot,
                    bool dateNotice, const QString& noticeShot);
    void AddPredictionSteps();
    void AddSaveSteps();
    void AddRecordsSteps();
    void AddExitSteps();

    // The main window while it is shown, and its panel.
    CMainDlg* Main() const;
    CNavPanel* Panel() const;
    // True on the home view with no window above the main window.
    bool AtHome() const;

    // Writes the main window, or a modal window over it, and checks the view.
    void ShootMain(const QString& name);
    void ShootModal(const QString& name, QWidget& window);
    void Save(const QString& name, const QImage& shot, const QImage& view, const QWidget& window);
    void Fail(const QString& what);

    QString outputDir;
    CProgramFolder& folder;
    FixedClock& clock;
    Walk walk;
    CStepDriver driver;
    QStringList failures;
    QStringList shots;
};
