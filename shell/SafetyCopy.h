#pragma once
// The safety copy the program takes before it changes many rows at once (archiving, importing draws,
// restoring a backup): if the copy cannot be written, the change does not happen and the user is told why.
#include <QString>

class CPredictStore;

// Writes the copy; false with the sentence that says what went wrong in error.
bool TakeSafetyCopy(const CPredictStore& store, QString& error);
