// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Cast.h"

#include <memory>

#include "core/CGuaReading.h"
#include "core/CRandomGenerator.h"
#include "core/PredictionState.h"

namespace {

int DigitSum(long long value) {
    int sum = 0;
    for (; value > 0; value /= 10) {
        sum += static_cast<int>(value % 10);
    }
    return sum;
}

int DigitCount(long long value) {
    int count = 1;
    for (; value >= 10; value /= 10) {
        ++count;
    }
    return count;
}

}  // namespace

CastTrigrams SplitCastingNumber(int castingNumber) {
    long long value = castingNumber < 0 ? -static_cast<long long>(castingNumber) : castingNumber;
    long long lowerDivisor = 1;
    const int lowerDigits = DigitCount(value) - DigitCount(value) / 2;
    for (int i = 0; i < lowerDigits; ++i) {
        lowerDivisor *= 10;
    }
    const int upperSum = DigitSum(value / lowerDivisor);
    const int lowerSum = DigitSum(value % lowerDivisor);
    // The moving line comes from the raw sums, not from the reduced trigram numbers.
    return CastTrigrams{upperSum % 8 == 0 ? 8 : upperSum % 8, lowerSum % 8 == 0 ? 8 : lowerSum % 8,
                        (upperSum + lowerSum) % 6 == 0 ? 6 : (upperSum + lowerSum) % 6};
}

void CastFromNumber(PredictionState& state, int castingNumber) {
    const CastTrigrams cast = SplitCastingNumber(castingNumber);
    const std::string& month = state.lunar.monthBranch;
    const std::string& day = state.lunar.dayBranch;
    auto main = std::make_unique<CGuaReading>(cast.upper, cast.lower, cast.movingLine, month, day, true);
    // The mutual and changed readings keep the main moving line, so their body and use follow the half in
    // which the main hexagram moves.
    const int mutualLower = main->MutualLower();
    const int mutualUpper = main->MutualUpper();
    auto mutual = std::make_unique<CGuaReading>(mutualUpper, mutualLower, cast.movingLine, month, day, false);
    const int changedLower = main->ChangedLower();
    const int changedUpper = main->ChangedUpper();
    auto changed =
        std::make_unique<CGuaReading>(changedUpper, changedLower, cast.movingLine, month, day, false);
    state.mainGua = std::move(main);
    state.mutualGua = std::move(mutual);
    state.changedGua = std::move(changed);
}

int DrawCastingNumber() {
    SeedProgramGeneratorFromClock();
    int value = ProgramGenerator().Next();
    // One-digit values cannot be split into two halves.
    while (value < 10) {
        value = ProgramGenerator().Next();
    }
    return value;
}

void CastHexagrams(PredictionState& state) {
    CastFromNumber(state, DrawCastingNumber());
}
