// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Casting by number in the plum-blossom manner: the digits of one number give the upper trigram, the lower
// trigram and the moving line of the main hexagram; the mutual and the changed hexagram follow from it.

struct PredictionState;

struct CastTrigrams {
    int upper;       // 1..8
    int lower;       // 1..8
    int movingLine;  // 1..6
};

// Splits the digits of the number: the upper half takes the leading digits and is the shorter half when the
// count is odd (12345 → 1+2 over 3+4+5). Each sum mod 8 is a trigram and their total mod 6 the moving line,
// with 0 read as 8 and 6. Casting numbers are 10..32767; a negative number is split by its magnitude.
CastTrigrams SplitCastingNumber(int castingNumber);

// Replaces the three readings of the state with those of this number, judged against the month and day
// branches of state.lunar.
void CastFromNumber(PredictionState& state, int castingNumber);

// Seeds the program generator from the clock and draws until a value of at least 10 comes out.
int DrawCastingNumber();

// The casting button: DrawCastingNumber, then CastFromNumber.
void CastHexagrams(PredictionState& state);
