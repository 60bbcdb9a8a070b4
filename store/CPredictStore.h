#pragma once
// The prediction store: the one connection to the database file, the player profile and the history table in
// memory, and the operations that load and write them. The application object derives from it.
//
// Every change goes to the file first and comes back into memory by a reload; memory is never written back.
// Failures are reported through the message sink (core/MessageSink.h), once per failed operation.
#include <array>
#include <string>
#include <vector>

#include "core/COleDateTime.h"
#include "store/CSqliteConnection.h"
#include "store/HistoryRecord.h"

class CSqliteStatement;

class CPredictStore {
public:
    CPredictStore() = default;
    virtual ~CPredictStore() = default;
    CPredictStore(const CPredictStore&) = delete;
    CPredictStore& operator=(const CPredictStore&) = delete;

    // Opens the database file at path. The file must exist: it is never created here.
    void OpenDatabase(const std::string& path);

    // Fills the player fields from the first row of table player; with no row they keep their values.
    void LoadPlayer();
    // Writes name, sex and shuxiang into the first player row.
    void SavePlayer();
    // Writes yunqi into the first player row.
    void SaveFortuneCode();

    // Reloads the history slots and historyCount from table data_history.
    void LoadHistory();
    // Adds record historyCount + 1 (result "未知", is_right 11) and reloads. False after "保存失败!".
    bool AppendPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                          const std::array<std::string, 8>& data);
    // Writes the draw result of the first row with this record_order and reloads. False when no row has it
    // (no message) or when the write failed (after "保存失败!").
    bool SetDrawResult(int recordOrder, const std::string& openData, int isRight);
    // The first record 1 .. historyCount that still waits for its result, or historyCount + 1.
    int FirstPendingRecord() const;
    // The records the history holds, in list order: slots 1 .. historyCount.
    std::vector<HistoryRecord> ListedRecords() const;

    // The player profile.
    std::string name;
    std::string sex;
    std::string shuxiang;
    std::string yunqi;  // the 14-character fortune code, or empty

    // Slot i holds record_order i; slots 1 .. historyCount are the history.
    std::array<HistoryRecord, HISTORY_SLOTS> history{};
    int historyCount = 0;

private:
    enum class ScanResult { found, notFound, failed };

    bool ReadPlayer();
    bool WritePlayerRow(CSqliteStatement& update);
    bool ReadHistoryRows(CSqliteStatement& select);
    bool InsertPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                          const std::array<std::string, 8>& data);
    ScanResult FindHistoryRow(CSqliteStatement& scan, int recordOrder, long long& rowId) const;
    bool WriteDrawResult(long long rowId, const std::string& openData, int isRight);
    bool WriteOneRow(CSqliteStatement& write);

    CSqliteConnection connection;
};
