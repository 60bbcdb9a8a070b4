// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The causes a failed link names, by the error code of the attempt to open it.
#include <QString>

// The text for code, or "Unknown Error (<code>) occurred." for a code without one.
QString HyperLinkErrorText(int code);
