// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole number out of a text box the way the page exchange does: blanks around it are allowed, an
// optional sign, then digits and nothing else. No Qt, so it can be checked on its own.
#include <string>

// True with value set when text holds one integer that fits an int; false, value untouched, otherwise (an
// empty box, letters, a number too large).
bool ParseDialogInteger(const std::string& text, int& value);
