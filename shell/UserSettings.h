#pragma once
// The user's own settings, kept between runs in $XDG_CONFIG_HOME/morvint/morvint.conf (normally
// ~/.config/morvint/morvint.conf). The predictions and the profile stay in the database; only how the program
// behaves for this user is kept here. A file that cannot be read gives the defaults, one that cannot be
// written is not written; neither is reported.

// Whether the user has muted the hover chime. Default: not muted.
bool MutedSetting();
void SaveMutedSetting(bool muted);
