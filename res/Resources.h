// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bitmaps of the program (":/bitmaps/<id>.bmp", ids in res/ResourceIds.h) and its icon
// (":/icons/128.bmp") are compiled into the static library morvint_res; a static library's resources must be
// registered once before the first lookup. Safe to call more than once.
void InitResources();
