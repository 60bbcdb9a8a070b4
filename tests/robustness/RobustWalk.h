// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The walk of the robustness runs: every place where the program reads or writes its database, clicked
// through as a user would once the main window is up: the records page, saving the player profile, and a
// prediction for 2009-06-17 that is saved. Message boxes on the way are answered by the caller.
#include <QString>

#include "tests/support/CStepDriver.h"

class CRobustWalk {
public:
    CRobustWalk();
    void Start();
    bool Finished() const { return driver.Finished(); }
    QString Failure() const { return driver.Failure(); }

private:
    CStepDriver driver;
};
