// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The predictions the tour's player saved before the tour starts (on 2009-06-17, for the next four draws),
// and the numbers those draws came out with: two hits and two misses.
#include <array>
#include <string>

struct SeededPrediction {
    int year, month, day;
    const char* issue;
    std::array<std::string, 8> codes;
    const char* draw;  // the real draw number, entered on the records page a week later
};

inline const std::array<SeededPrediction, 4> kSeededPredictions = {{
    {2009, 6, 18, "2009161", {"318", "504", "047", "158", "762", "081", "236", "347"}, "047"},
    {2009, 6, 19, "2009162", {"925", "613", "280", "391", "447", "102", "513", "624"}, "869"},
    {2009, 6, 20, "2009163", {"036", "871", "452", "563", "709", "218", "325", "436"}, "709"},
    {2009, 6, 21, "2009164", {"184", "590", "613", "724", "351", "967", "140", "251"}, "305"},
}};
