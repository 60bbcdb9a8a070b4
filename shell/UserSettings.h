// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

#include "store/Ledger.h"

// The user's own settings, kept between runs in $XDG_CONFIG_HOME/morvint/morvint.conf (normally
// ~/.config/morvint/morvint.conf). The predictions and the profile stay in the database; only how the program
// behaves for this user is kept here.
//
// The file is the user's to edit, so it is read as untrusted input: only a regular file of at most 64 KB is
// read, and only such a file (or none yet) is written. Anything else at that name (a pipe, a device, a
// folder) is neither read nor written: a pipe would block the start for ever, and saving would replace it.
// Without a home folder ($HOME unset or relative, no $XDG_CONFIG_HOME) there is no settings file at all.
// SettingsNotices says what was ignored.

// Whether the user has muted the hover chime. Default: not muted.
bool MutedSetting();
void SaveMutedSetting(bool muted);

// The stake and the prizes the statistics window's ledger counts with, from [ledger] in morvint.conf (stake,
// straightPrize, pairPrize, sixPrize, in whole 元). A value must be a whole number from 1 to 10,000,000,
// written in plain or full-width digits ("５" as a Chinese input method types it), with spaces around it
// allowed; a missing value keeps its default (2, 1040, 346, 173), and so does any other, which
// SettingsNotices names.
LedgerPrices LedgerPricesSetting();

// What the settings file holds that the program does not use, one sentence each (Messages::
// kSettingsFileUnusable, kLedgerSettingIgnored); empty when there is nothing to say. Said once, at start and
// before an export to a workbook, so that the prices the ledger shows are never taken for the user's own
// when they are the defaults.
QStringList SettingsNotices();
