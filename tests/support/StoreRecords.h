// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records for a test's store, saved and entered through the store's own calls as on the day they are dated:
// the rules about today do not stand in the way of a history of any age.
#include <array>
#include <string>

#include "store/CPredictStore.h"

// A day after every draw a test dates: every record is due on it.
inline const COleDateTime kAfterEveryDraw(2099, 12, 31);

inline bool SaveRecord(CPredictStore& store, const COleDateTime& date, const std::string& issue,
                       const std::array<std::string, 8>& codes) {
    return store.SavePrediction({date, issue, codes}, date, {COleDateTime(1900, 1, 1), 9999}) ==
           PredictionSave::saved;
}

inline bool EnterResult(CPredictStore& store, int slot, const std::string& number) {
    return store.EnterDraw(slot, number, kAfterEveryDraw).Written();
}

// Sets one field of the profile the store holds, as a save of the player page does (and writes it when the
// store has a file).
inline void SetProfileField(CPredictStore& store, std::string PlayerProfile::*field,
                            const std::string& value) {
    PlayerProfile profile = store.Player();
    profile.*field = value;
    if (field == &PlayerProfile::yunqi) {
        static_cast<void>(store.SaveFortuneCode(value));
        return;
    }
    static_cast<void>(store.SavePlayer(profile.name, profile.sex, profile.shuxiang));
}
