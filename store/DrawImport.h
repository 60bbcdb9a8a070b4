#pragma once
// Many draw results at once, from a text or CSV file with one draw per line: "issue,number" or
// "date,number" (the date as yyyy-mm-dd, or with / or . between its parts). Each line goes through exactly
// the rules of the records page: the record must still wait for its result, its draw date must have come, the
// number must be three digits, and results go in strictly in list order. A line that breaks a rule is
// reported with its line number and changes nothing; the lines after it still run.
//
// Blank lines and lines starting with '#' are skipped, and so is a first line without a single digit (a
// spreadsheet's column titles). Fields may be separated by a comma, a semicolon or a tab, and may be quoted.
#include <string>
#include <vector>

class CPredictStore;

struct DrawImportRefusal {
    int line = 0;  // 1-based, in the file
    std::string reason;
};

struct DrawImportReport {
    int entered = 0;
    std::vector<DrawImportRefusal> refused;
    int failedLine = 0;  // the line whose write failed and stopped the import; 0 when it ran to its end
};

// Enters the draws of fileText into the store's pending records, today being the clock's date. A failed
// write stops the import; what was entered before it stays entered.
DrawImportReport ImportDraws(CPredictStore& store, const std::string& fileText);

// What the import did, for a message box or a terminal: the counts, then each refused line (at most
// maxListed of them, then how many more).
std::string DrawImportSummary(const DrawImportReport& report, std::size_t maxListed = 20);
