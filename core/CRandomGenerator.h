// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one pseudo-random generator. Casts and the random table must come out exactly as they always
// have for a given seed, so this is the classic linear congruential generator written out, never the C
// library's rand(), whose sequence differs between libraries.
#include <cstdint>

class CRandomGenerator {
public:
    // An unseeded generator starts from 1, as the classic rand() does.
    explicit CRandomGenerator(std::uint32_t seed = 1) : state(seed) {}

    void Seed(std::uint32_t seed) { state = seed; }

    // The next value, 0..32767.
    int Next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state;
};

// The process-wide generator shared by the cast and the random table. Everything runs on the user-interface
// thread, so one unguarded state is enough.
CRandomGenerator& ProgramGenerator();

// Seeds the process-wide generator with the current calendar time in whole seconds (through the clock seam).
void SeedProgramGeneratorFromClock();
