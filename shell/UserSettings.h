#pragma once
#include "store/Ledger.h"

// The user's own settings, kept between runs in $XDG_CONFIG_HOME/morvint/morvint.conf (normally
// ~/.config/morvint/morvint.conf). The predictions and the profile stay in the database; only how the program
// behaves for this user is kept here. A file that cannot be read gives the defaults, one that cannot be
// written is not written; neither is reported.

// Whether the user has muted the hover chime. Default: not muted.
bool MutedSetting();
void SaveMutedSetting(bool muted);

// The stake and the prizes the statistics window's ledger counts with, from [ledger] in morvint.conf (stake,
// straightPrize, pairPrize, sixPrize, in whole 元). A value that is missing or not a whole number from 1 to
// 10,000,000 keeps its default (2, 1040, 346, 173).
LedgerPrices LedgerPricesSetting();
