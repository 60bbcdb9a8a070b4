// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Many draw results at once, from a text or CSV file with one draw per line: "issue,number" or
// "date,number" (the date as yyyy-mm-dd, or with / or . between its parts, perhaps with a time of day after
// it). Each line goes through the rules of the records page (store/HistoryRules.h): the record must still
// wait for its result, its draw date must have come, the number must be three digits, and results go in
// strictly in list order. A line that breaks a rule is reported with its line number and changes nothing.
//
// The file may list its draws in any order, newest first as published result lists do: the lines that name a
// record go in in the order of those records, so a file in any order enters everything it can in one run.
//
// The file is read as UTF-8, or as UTF-16 when it starts with a byte-order mark; lines may end in LF, CRLF or
// a lone CR. Full-width digits and separators ("１２３"，"，") count as their plain forms. Blank lines and
// lines starting with '#' are skipped, and so is a first line without a single digit (a spreadsheet's column
// titles). Fields may be separated by a comma, a semicolon or a tab, and may be quoted.
#include <functional>
#include <string>
#include <vector>

class CPredictStore;

enum class DrawLineRefusal {
    notTwoFields,      // not "issue,number" or "date,number"
    noSuchDate,        // a date that does not exist (2009-02-30)
    noRecordOnDay,     // no prediction for that day
    noRecordOfIssue,   // no prediction with that issue
    alreadyEntered,    // the record has its result (entered before, by another line, or by another copy)
    notDue,            // the draw is still to come
    notADrawNumber,    // the number is not three digits
    earlierPending,    // an earlier record still waits for its result
    changedMeanwhile,  // another copy moved or archived the record while the import ran
};

struct DrawImportRefusal {
    int line = 0;  // 1-based, in the file
    DrawLineRefusal reason = DrawLineRefusal::notTwoFields;
    std::string field;   // the key or the number that was refused, as the file has it
    int pendingRow = 0;  // earlierPending: the list row, from 1, of the record that waits first
};

struct [[nodiscard]] DrawImportReport {
    int entered = 0;
    std::vector<DrawImportRefusal> refused;  // in the order of their lines
    int failedLine = 0;     // the line whose write failed and stopped the import; 0 when it ran to its end
    bool notReady = false;  // beforeFirstWrite failed: nothing was written
    bool locked = false;    // the write that stopped it failed because another program held the file locked
};

// Enters the draws of the file's bytes into the store's pending records, today being the clock's date. A
// failed write stops the import; what was entered before it stays entered. beforeFirstWrite (the safety copy)
// runs once, right before the first write, and not at all when nothing is to be written; when it returns
// false the import stops there and writes nothing.
DrawImportReport ImportDraws(CPredictStore& store, const std::string& fileBytes,
                             const std::function<bool()>& beforeFirstWrite = {});
