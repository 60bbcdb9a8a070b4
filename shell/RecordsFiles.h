#pragma once
// The files the records are taken out to and the draws are read in from, shared by the records page's menu
// and the command line.
#include <QString>
#include <string>

class CPredictStore;

// Writes the store's records as CSV to file. The file is replaced whole or not at all: a failed export never
// leaves half a file where a good one was. True with the sentence that says how many records went where, or
// false with the one that says what failed, in message.
bool ExportRecords(const CPredictStore& store, const QString& file, QString& message);

// The whole text of a draws file in text; false with the sentence that says why in error. A file larger than
// any list of draws could be is refused rather than read.
bool ReadDrawsFile(const QString& file, std::string& text, QString& error);
