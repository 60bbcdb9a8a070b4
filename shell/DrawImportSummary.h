// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an import of draws did, in words, for a message box or a terminal: the counts, then the refused lines.
// Lines refused for the same reason one after another read as one range ("第8–110行（103 行）：…"), every
// field echoed from the file is cut short and has its control characters escaped, so that no file can flood
// the screen or retitle a terminal.
#include <cstddef>
#include <string>

#include "store/DrawImport.h"

// The counts, a failed write if there was one, then the first maxGroups groups of refused lines and how many
// lines are not listed.
std::string DrawImportSummary(const DrawImportReport& report, std::size_t maxGroups);

// Every group of refused lines, one per line: the whole list, for a details area the user can copy from.
std::string DrawImportRefusals(const DrawImportReport& report);

// The words for one refusal.
std::string DrawRefusalText(const DrawImportRefusal& refusal);
