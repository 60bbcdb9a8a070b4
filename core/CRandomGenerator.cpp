// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CRandomGenerator.h"

#include "core/Clock.h"

CRandomGenerator& ProgramGenerator() {
    static CRandomGenerator generator;
    return generator;
}

void SeedProgramGeneratorFromClock() {
    // The seed is the time truncated to 32 bits, as srand((unsigned)time(NULL)) has it.
    ProgramGenerator().Seed(static_cast<std::uint32_t>(Clock::Now()));
}
