#pragma once
// The prediction store: the one connection to the database file, the player profile and the history table in
// memory, and the operations that load and write them. The application object derives from it.
//
// Every change goes to the file first and comes back into memory by a reload; memory is never written back.
// Failures are reported through the message sink (core/MessageSink.h), once per failed operation.
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/COleDateTime.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseBackup.h"
#include "store/DatabaseRestore.h"
#include "store/HistoryRecord.h"
#include "store/SafetyCopy.h"
#include "store/StoreEvents.h"

class CHistoryScan;
class CSqliteStatement;

class CPredictStore {
public:
    CPredictStore() = default;
    virtual ~CPredictStore() = default;
    CPredictStore(const CPredictStore&) = delete;
    CPredictStore& operator=(const CPredictStore&) = delete;

    // Opens the database file at path. The file must exist: it is never created here. Says
    // Messages::kConnectFailed when it cannot be opened, or Messages::kDatabaseLocked when another program
    // held it locked past the wait.
    void OpenDatabase(const std::string& path);
    bool IsDatabaseOpen() const { return connection.IsOpen(); }

    // Fills the player fields from the first row of table player; with no row they keep their values.
    void LoadPlayer();
    // Writes name, sex and shuxiang into the first player row.
    void SavePlayer();
    // Writes yunqi into the first player row.
    void SaveFortuneCode();

    // Reloads the history slots and historyCount from table data_history.
    void LoadHistory();
    // Reloads the player and the history when something other than this store (another copy of the program,
    // the command line) has changed the file since the last load; true when it did. An unchanged file costs
    // one pragma. Every read that reports to the user starts here, so that it tells what the file holds now.
    bool RefreshIfChanged();
    // Listeners hear every load (store/StoreEvents.h); Listen returns the number to stop listening with.
    int Listen(CStoreListeners::Listener listener) { return listeners.Add(std::move(listener)); }
    void StopListening(int id) { listeners.Remove(id); }
    // How many listen now: a view that is gone must have stopped.
    int ListenerCount() const { return listeners.Count(); }
    // The file takes writes: not read-only, in a folder where its journal can be written.
    bool IsDatabaseWritable() const { return connection.IsWritable(); }
    // Adds a prediction with the next record number the file leaves (one past the last record there; result
    // "未知", is_right 11) and reloads. Refused when the file already holds a prediction for that day (with
    // the date dialog's words) or has no slot left (Messages::kHistoryFilledMeanwhile when memory still had
    // room, so that another copy saved since; else Messages::kSaveFailed), or when another program held the
    // file locked past the wait (Messages::kLockedNotSaved, without a reload); false then.
    bool AppendPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                          const std::array<std::string, 8>& data);
    // Writes the draw result of record recordOrder and reloads, only while the file still holds that
    // prediction as it was loaded and without a result. False without a message when it does not (the record
    // is gone, was moved, or another copy entered its result first); false after Messages::kSaveFailed when
    // the write failed, or Messages::kLockedNotSaved when the file stayed locked.
    bool SetDrawResult(int recordOrder, const std::string& openData, int isRight);
    // SetDrawResult, telling apart why nothing was written, for the caller to word: refused (another copy
    // entered a result first; the reload shows it); changed (the record is not in the file as it was loaded:
    // another copy moved, renumbered or archived it; reloaded); locked (another program held the file locked
    // past the wait; nothing written and memory as it was); failed (after Messages::kSaveFailed).
    enum class DrawWrite { written, refused, changed, locked, failed };
    DrawWrite EnterDrawResult(int recordOrder, const std::string& openData, int isRight);
    // Moves these records, each of which must still be in the file as it was loaded and have its draw result,
    // into the archive (table data_archive, made when the file has none), and numbers the records left 1, 2,
    // 3, ... in their order; all in one transaction, then reloads. False after Messages::kSaveFailed (or
    // Messages::kLockedNotSaved when the file stayed locked), with the file as it was.
    bool ArchiveRecords(const std::vector<int>& recordOrders);
    // ArchiveRecords, telling apart why nothing was archived, for the caller to word: changed (another copy
    // changed one of these records in the file, or archived it, since the last load; reloaded); locked
    // (another program held the file locked past the wait; memory as it was); failed (after
    // Messages::kSaveFailed; a record asked for that the last load did not show with its result is such a
    // failure too). The file is as it was in each case.
    enum class ArchiveWrite { archived, changed, locked, failed };
    ArchiveWrite MoveRecordsToArchive(const std::vector<int>& recordOrders);
    // The archived records in the order they were archived. True with none for a file that has no archive;
    // false when the archive cannot be read.
    bool LoadArchive(std::vector<ArchivedRecord>& records) const;
    // The archived records one by one in the order they were archived, each handed to each and gone after
    // it: years of records are read in the memory of one. True with none for a file that has no archive;
    // false when the archive cannot be read (the records before the one that failed were handed over).
    bool ReadArchive(const std::function<void(const ArchivedRecord&)>& each) const;
    // How many records the archive holds; 0 without an archive (or when it cannot be read).
    int ArchiveCount() const;
    // The numbers (archive_order) of the archive: how many records, the newest's and the oldest's (0 and 0
    // without any). False when the archive cannot be read.
    bool ReadArchiveSpan(ArchiveSpan& span) const;
    // A page of the archive for a view that shows it newest first: up to count records numbered fromOrder or
    // lower, newest first, after passing over the first skip of them. A view that knows the numbers have no
    // gaps pages by number (skip 0); otherwise by place. False when the archive cannot be read.
    bool LoadArchivePage(std::int64_t fromOrder, int skip, int count,
                         std::vector<ArchivedRecord>& records) const;
    // Every record there is: the archive, oldest first, then the history in list order; archived tells how
    // many of them come from the archive. False when the archive could not be read (the history still comes).
    bool AllRecords(std::vector<HistoryRecord>& records, int& archived) const;
    // The first count records of the list that have their draw result: the oldest ones.
    std::vector<int> OldestWithResult(int count) const;

    // Backups (store/DatabaseBackup.h). The whole database into path, consistent even while another copy
    // writes; a regular file there is replaced whole.
    FileOutcome BackupTo(const std::string& path) const { return CopyDatabaseTo(connection, path); }
    // The same copy as bytes to an open file descriptor (standard output into a pipe).
    FileOutcome BackupToDescriptor(int fd) const { return CopyDatabaseToDescriptor(connection, fd); }
    // The safety copy before a change of many rows, into "backups" beside the database; written: its path.
    FileOutcome WriteSafetyCopy(std::string& written) const { return ::WriteSafetyCopy(connection, written); }
    // Replaces the database with the rows of the backup at path (store/DatabaseRestore.h) in one step, then
    // reloads the player and the history. A backup that fails its check is refused without a message (the
    // outcome says why); a write that fails shows Messages::kSaveFailed. Either way the database is as it
    // was. beforeReplace (the safety copy) runs once the backup has passed, right before the replacement.
    RestoreOutcome RestoreFrom(const std::string& path, const std::function<bool()>& beforeReplace = {});
    // The database file's path; empty without one.
    std::string DatabasePath() const { return connection.FilePath(); }

    // The layout of the file this program writes: 1 since the archive. A file of a later layout is not ours
    // to restore.
    static constexpr int kLayoutVersion = 1;
    // The first record that still waits for its result, or historyCount + 1.
    int FirstPendingRecord() const;
    // The records the history holds, in list order: slots 1 .. historyCount.
    std::vector<HistoryRecord> ListedRecords() const;

    // The slots the last load filled, in record order: the records there are. A gap in the file's numbers
    // leaves its slot out; a slot no row filled is never part of the history, whatever it still holds.
    std::vector<int> RecordSlots() const;
    bool IsRecordSlot(int slot) const;
    // One past the last record: the number the next prediction is saved with, as far as the last load knows.
    int NextRecordOrder() const;
    // No slot is left for another prediction.
    bool IsHistoryFull() const { return NextRecordOrder() >= HISTORY_SLOTS; }

    // The player profile.
    std::string name;
    std::string sex;
    std::string shuxiang;
    std::string yunqi;  // the 14-character fortune code, or empty

    // Slot i holds record_order i; the slots RecordSlots() names are the history.
    std::array<HistoryRecord, HISTORY_SLOTS> history{};
    int historyCount = 0;  // the rows the last load read, with the one it failed on

private:
    // ok: the step went through; refused: the record has a result in the file; changed: the record is not in
    // the file as it was loaded; dayTaken: a prediction for that day is there; full: no slot is left for a
    // new one; locked: another connection held the file locked past the wait; failed: the file could not be
    // read or written.
    enum class WriteResult { ok, refused, changed, dayTaken, full, locked, failed };

    bool ReadPlayer();
    bool WritePlayerRow(CSqliteStatement& update);
    bool ReadHistoryRows(CHistoryScan& scan);
    WriteResult InsertPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                                 const std::array<std::string, 8>& data);
    WriteResult FindFreeOrder(const COleDateTime& recordDate, int& order) const;
    WriteResult WriteDrawResult(int recordOrder, const std::string& openData, int isRight);
    WriteResult FindLoadedRecord(int recordOrder, long long& rowId, HistoryRecord& stored) const;
    WriteResult WriteArchive(const std::vector<int>& recordOrders);
    // A failed step as a WriteResult, read right after the failure: locked or failed.
    WriteResult Failure() const;
    bool HasArchiveTable() const;
    bool WriteOneRow(CSqliteStatement& write);
    bool HasHistoryTable() const;

    CSqliteConnection connection;
    std::bitset<HISTORY_SLOTS> filledSlots;
    // The file's data version when the history was last loaded; -1 before the first load.
    long long loadedVersion = -1;
    CStoreListeners listeners;
};
