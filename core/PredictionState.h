// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prediction in progress: the accepted draw date with its calendar values, the issue number, and the
// three hexagrams of the last cast. The application holds one; the pages read it.
#include <memory>
#include <string>

#include "core/CGuaReading.h"
#include "core/CLunarCalendar.h"
#include "core/COleDateTime.h"

struct PredictionState {
    COleDateTime minDrawDate;  // the earliest draw date the date dialog accepts
    COleDateTime drawDate;
    CLunarCalendar lunar;  // drawDate converted
    std::string issueNumber;
    std::unique_ptr<CGuaReading> mainGua;
    std::unique_ptr<CGuaReading> mutualGua;
    std::unique_ptr<CGuaReading> changedGua;
};
