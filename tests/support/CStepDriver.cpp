// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/CStepDriver.h"

#include <utility>

CStepDriver::CStepDriver(int stepTimeoutMs) {
    connect(&poll, &QTimer::timeout, this, &CStepDriver::Poll);
    stepTimer.setSingleShot(true);
    stepTimer.setInterval(stepTimeoutMs);
    connect(&stepTimer, &QTimer::timeout, this, [this] {
        failed = true;
        failure = next < steps.size() ? QStringLiteral("step \"%1\" never became ready").arg(steps[next].name)
                                      : QStringLiteral("the last step did not return");
        End(false);
    });
}

void CStepDriver::Add(const QString& name, Ready ready, Act act) {
    steps.push_back({name, std::move(ready), std::move(act)});
}

void CStepDriver::Start(std::function<void(bool)> done) {
    onDone = std::move(done);
    poll.start(5);
    stepTimer.start();
}

// The act runs from its own zero timer, not from the poll: Qt does not fire a timer again while its handler
// is still on the stack, so an act that blocks in a modal loop would otherwise stop the polling with it. The
// step is checked again when the act is due: a dialog that closed lets the poll find the page ready, and the
// program may put a message box over the page before the zero timer fires (the save's Messages::kSaved). The
// step then waits for its moment again.
void CStepDriver::Poll() {
    if (stepDue || ended) {
        return;
    }
    if (next == steps.size()) {
        End(true);
        return;
    }
    if (!steps[next].ready()) {
        return;
    }
    stepDue = true;
    stepTimer.start();
    QTimer::singleShot(0, this, [this] {
        stepDue = false;
        if (ended || next == steps.size() || !steps[next].ready()) {
            return;
        }
        const Act act = steps[next++].act;
        act();
    });
}

void CStepDriver::End(bool finished) {
    if (ended) {
        return;
    }
    ended = true;
    poll.stop();
    stepTimer.stop();
    if (onDone) {
        onDone(finished);
    }
}
