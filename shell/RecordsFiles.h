// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the records are taken out to and the draws are read in from, shared by the records page's menu
// and the command line. Paths are the file system's bytes; only regular files are read or replaced.
#include <QString>
#include <string>

class CPredictStore;

// Writes every record as CSV to path: the archive, oldest first, then the history. The file is replaced whole
// or not at all: a failed export (a full disk, a folder that cannot be written) leaves the old file byte for
// byte as it was, and anything but a regular file (a device, a pipe, a folder), a read-only file, the
// database itself, its journal and the safety copies are refused. True with the
// sentence that says how many records went where, or false with the one that says what failed, in message.
bool ExportRecords(const CPredictStore& store, const std::string& path, QString& message);

// Writes every record, the archive first, as an Excel workbook to path: the sheet 预测记录 and the sheet 统计
// with the statistics of them all at the prices of morvint.conf. Replaced whole or not at all, like the CSV.
bool ExportWorkbook(const CPredictStore& store, const std::string& path, QString& message);

// The same CSV to standard output, for "--export-csv -"; to a terminal with its control characters escaped.
bool ExportRecordsToStandardOutput(const CPredictStore& store, QString& message);

// The whole content of a draws file in bytes; false with the sentence that says why in error. Only a regular
// file is read, and only up to a size no list of draws comes near.
bool ReadDrawsFile(const std::string& path, std::string& bytes, QString& error);
