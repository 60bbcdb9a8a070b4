// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of pseudo-random numbers the predicted codes are drawn from: filled once at start-up and read
// cyclically, one entry per draw, for the whole run.
#include <array>
#include <cstdint>
#include <string>

class CRandomTable {
public:
    static constexpr int kSize = 30;

    // Seeds the program generator from the clock and fills the table from it.
    void FillRandomTable();
    // Seeds the program generator with this seed and stores its next 30 values in entries 0..29.
    void Fill(std::uint32_t seed);
    // Advances the read position (mod 30) and returns lo + entry mod (hi - lo + 1). The first read after
    // start-up uses entry 1, the 30th entry 0. An empty range (hi < lo) still advances and returns lo.
    int RandomInRange(int lo, int hi);

    std::array<int, kSize> randomTable{};
    int randomReadIndex = 0;  // the position of the last entry read
};

// Three characters for 0..999, leading zeros kept: 5 → "005", 40 → "040", 116 → "116".
std::string FormatCode(int value);

// The eight predicted codes, in order 1..8, using 18 reads of the table. Codes 3 and 7 have digits 0..8 and
// codes 4 and 8 are them with each digit raised by one; codes 1, 2, 5 and 6 are three free digits each.
std::array<std::string, 8> FormEightCodes(CRandomTable& table);
