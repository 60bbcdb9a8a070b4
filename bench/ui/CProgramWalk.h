// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Walks the running program through one whole prediction as a user would, by clicking: a draw date and
// issue, the cast, the animation, the hexagrams, the explanation, the codes, the save question and the
// success message, back home; optionally then the records page and the player page; then the exit button.
// Every step waits for the window it acts on; the modal windows are answered from inside their own loops.
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class CMainDlg;
class CPredictStore;
class QWidget;

class CProgramWalk : public QObject {
public:
    // With alsoRecordsAndPlayer the walk opens the records page and the player page before it ends. The
    // prediction must reach store, the program's.
    CProgramWalk(QWidget& mainWindow, const CPredictStore& store, bool alsoRecordsAndPlayer);

    void Start();
    // True once every step ran and the prediction was stored; false after a timeout or an unexpected message.
    bool Succeeded() const { return succeeded; }

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void BuildSteps();
    void Poll();
    void Fail(const char* why);
    void Finish(CMainDlg& main);

    CMainDlg* window = nullptr;
    const CPredictStore& records;
    bool visitOtherPages = false;
    std::vector<Step> steps;
    std::size_t next = 0;
    bool stepDue = false;  // a step was started and has not run yet
    int historyBefore = 0;
    bool succeeded = false;
    QTimer poll;
    QTimer deadline;
};
