// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CRandomTable.h"

#include "core/CRandomGenerator.h"

namespace {

void FillFromProgramGenerator(std::array<int, CRandomTable::kSize>& table) {
    for (int& entry : table) {
        entry = ProgramGenerator().Next();
    }
}

// Three digits drawn as character codes; the first draw becomes the last character.
std::string DrawFreeCode(CRandomTable& table) {
    const char first = static_cast<char>(table.RandomInRange('0', '9'));
    const char second = static_cast<char>(table.RandomInRange('0', '9'));
    const char third = static_cast<char>(table.RandomInRange('0', '9'));
    return std::string{third, second, first};
}

// Three digits 0..8 as one number.
int DrawLowDigits(CRandomTable& table) {
    const int hundreds = table.RandomInRange(0, 8);
    const int tens = table.RandomInRange(0, 8);
    const int ones = table.RandomInRange(0, 8);
    return 100 * hundreds + 10 * tens + ones;
}

}  // namespace

void CRandomTable::FillRandomTable() {
    SeedProgramGeneratorFromClock();
    FillFromProgramGenerator(randomTable);
}

void CRandomTable::Fill(std::uint32_t seed) {
    ProgramGenerator().Seed(seed);
    FillFromProgramGenerator(randomTable);
}

int CRandomTable::RandomInRange(int lo, int hi) {
    randomReadIndex = (randomReadIndex + 1) % kSize;
    const long long span = static_cast<long long>(hi) - lo + 1;
    if (span <= 0) {
        return lo;  // a reversed range would divide by zero or by a negative span
    }
    return static_cast<int>(lo + randomTable[randomReadIndex] % span);
}

std::string FormatCode(int value) {
    std::string digits = std::to_string(value);
    if (value >= 100) {
        return digits;
    }
    return (value < 10 ? "00" : "0") + digits;
}

std::array<std::string, 8> FormEightCodes(CRandomTable& table) {
    std::array<std::string, 8> codes;
    const int x = DrawLowDigits(table);
    const int y = DrawLowDigits(table);
    codes[2] = FormatCode(x);
    codes[3] = FormatCode(x + 111);
    codes[6] = FormatCode(y);
    codes[7] = FormatCode(y + 111);
    for (int code : {0, 1, 4, 5}) {
        codes[code] = DrawFreeCode(table);
    }
    return codes;
}
