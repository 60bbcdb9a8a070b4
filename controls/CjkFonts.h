// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "宋体" and "黑体" are the faces the program's texts ask for; on Linux the Noto CJK families serve them.
// Without the substitutions Qt falls back to DejaVu Sans with a Japanese CJK fallback.

// Registers the substitutions; called once by the program's main and by every GUI test main.
void InstallCjkFontSubstitutions();
