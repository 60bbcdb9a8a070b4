// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests that look at windows on the program's real generated pictures: the faces compiled into the test and
// the backgrounds read from the build's program folder, given back to whatever folder was set before.
#include <gtest/gtest.h>

#include <QString>

#include "controls/ProgramFiles.h"
#include "res/Resources.h"
#include "tests/support/ProgramGlobalsScope.h"

class ProgramArtFixture : public ::testing::Test {
protected:
    void SetUp() override {
        InitResources();
        SetProgramFilesFolder(QStringLiteral(MORVINT_PROGRAM_DIR));
    }

private:
    ProgramGlobalsScope globals;
};
