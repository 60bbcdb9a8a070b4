// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prediction store: the one connection to the database file, the player profile and the history as last
// loaded, and one call for each thing a user does to them (save a prediction, enter a draw, archive, save the
// profile or the fortune code, back up, restore). Each call applies the rules (store/HistoryRules.h) to the
// file as it finds it, inside one transaction, and returns what happened (store/StoreOutcomes.h); the store
// never shows a message. The pages and the command line word the outcome.
//
// Every change goes to the file first and comes back into memory by a reload, which the listeners hear
// (store/StoreEvents.h); memory is never written back.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/COleDateTime.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseBackup.h"
#include "store/DatabaseRestore.h"
#include "store/HistoryRecord.h"
#include "store/HistoryRules.h"
#include "store/HistorySlots.h"
#include "store/SafetyCopy.h"
#include "store/StoreEvents.h"
#include "store/StoreOutcomes.h"

class CHistoryScan;
class CSqliteStatement;

// The player's profile: the first row of table player.
struct PlayerProfile {
    std::string name;
    std::string sex;
    std::string shuxiang;
    std::string yunqi;  // the 14-character fortune code, or empty
};

// A prediction to save: its draw date (with the time of day the date dialog held), issue and eight codes.
struct NewPrediction {
    COleDateTime date;
    std::string issue;
    std::array<std::string, 8> codes;
};

class CPredictStore {
public:
    CPredictStore() = default;
    virtual ~CPredictStore() = default;
    CPredictStore(const CPredictStore&) = delete;
    CPredictStore& operator=(const CPredictStore&) = delete;

    // Opens the database file at path. The file must exist: it is never created here.
    OpenOutcome OpenDatabase(const std::string& path);
    bool IsDatabaseOpen() const { return connection.IsOpen(); }

    // Fills the profile from the first row of table player; with no row it keeps its values. The listeners
    // hear playerLoaded or playerUnreadable.
    LoadOutcome LoadPlayer();
    // Reloads the history from table data_history; the listeners hear historyLoaded or historyUnreadable. A
    // table that cannot be read at all leaves the history as it was.
    LoadOutcome LoadHistory();
    // Reloads the player and the history when something other than this store (another copy of the program,
    // the command line) has changed the file since the last load; true when it did. An unchanged file costs
    // one pragma. Every read that reports to the user starts here, so that it tells what the file holds now.
    bool RefreshIfChanged();
    // The file takes writes: not read-only, in a folder where its journal can be written.
    bool IsDatabaseWritable() const { return connection.IsWritable(); }

    const PlayerProfile& Player() const { return player; }
    // Writes name, sex and shuxiang of profile into the first player row; memory holds them whether or not
    // the write went through, for the rest of the run.
    SaveOutcome SavePlayer(const std::string& name, const std::string& sex, const std::string& shuxiang);
    // Writes the fortune code into the first player row; memory holds it either way.
    SaveOutcome SaveFortuneCode(const std::string& code);

    // Saves a prediction with the next record number the file leaves (one past its last record; result
    // "未知", is_right 11) after checking it as the date dialog does (CheckNewPrediction, on the file's
    // records), then reloads. A file locked past the wait is not reloaded (the reload would wait for the same
    // lock and then empty the list).
    PredictionSave SavePrediction(const NewPrediction& prediction, const COleDateTime& today,
                                  const PredictionBounds& bounds);
    // Enters number as the draw result of the record in slot, on the day today, with the verdict the codes
    // give it, after checking it as the records page does (CheckDrawEntry) on the file's own records; the
    // record must still be the prediction this copy loaded in that slot. beforeWrite (the import's safety
    // copy) runs once the checks passed, right before the write (which checks once more); when it returns
    // false nothing is written.
    // Then reloads, unless the file stayed locked.
    DrawEntry EnterDraw(int slot, const std::string& number, const COleDateTime& today,
                        const std::function<bool()>& beforeWrite = {});
    // Moves these records, each of which must still be in the file as it was loaded and have its draw result,
    // into the archive (table data_archive, made when the file has none), and numbers the records left 1, 2,
    // 3, ... in their order; all in one transaction, then reloads (unless locked). A record asked for that
    // the last load did not show with its result was never confirmed by the user: failed, with nothing
    // written.
    ArchiveOutcome ArchiveRecords(const std::vector<int>& recordOrders);

    // The archived records one by one in the order they were archived, each handed to each and gone after
    // it: years of records are read in the memory of one. True with none for a file that has no archive;
    // false when the archive cannot be read (the records before the one that failed were handed over).
    [[nodiscard]] bool ReadArchive(const std::function<void(const ArchivedRecord&)>& each) const;
    // The archived records in the order they were archived; nothing when the archive cannot be read.
    [[nodiscard]] std::optional<std::vector<ArchivedRecord>> LoadArchive() const;
    // How many records the archive holds; 0 without an archive (or when it cannot be read).
    int ArchiveCount() const;
    // The numbers (archive_order) of the archive: how many records, the newest's and the oldest's (0 and 0
    // without any); nothing when the archive cannot be read.
    [[nodiscard]] std::optional<ArchiveSpan> ReadArchiveSpan() const;
    // A page of the archive for a view that shows it newest first: up to count records numbered fromOrder or
    // lower, newest first, after passing over the first skip of them. A view that knows the numbers have no
    // gaps pages by number (skip 0); otherwise by place. Nothing when the archive cannot be read.
    [[nodiscard]] std::optional<std::vector<ArchivedRecord>> LoadArchivePage(std::int64_t fromOrder, int skip,
                                                                             int count) const;
    // Every record there is: the archive, oldest first, then the history in list order.
    struct EveryRecord {
        std::vector<HistoryRecord> records;
        int archived = 0;         // how many of them come from the archive
        bool archiveRead = true;  // false: the archive could not be read, and only the history came
    };
    EveryRecord AllRecords() const;

    // Backups (store/DatabaseBackup.h). The whole database into path, consistent even while another copy
    // writes; a regular file there is replaced whole.
    FileOutcome BackupTo(const std::string& path) const { return CopyDatabaseTo(connection, path); }
    // The same copy as bytes to an open file descriptor (standard output into a pipe).
    FileOutcome BackupToDescriptor(int fd) const { return CopyDatabaseToDescriptor(connection, fd); }
    // The safety copy before a change of many rows, into "backups" beside the database; written: its path.
    FileOutcome WriteSafetyCopy(std::string& written) const { return ::WriteSafetyCopy(connection, written); }
    // Replaces the database with the rows of the backup at path (store/DatabaseRestore.h) in one step, then
    // reloads the player and the history. The outcome says why a backup was refused (its check) or why the
    // write failed (its errno); either way the database is as it was. beforeReplace (the safety copy) runs
    // once the backup has passed, right before the replacement.
    RestoreOutcome RestoreFrom(const std::string& path, const std::function<bool()>& beforeReplace = {});
    // The database file's path; empty without one.
    std::string DatabasePath() const { return connection.FilePath(); }

    // The layout of the file this program writes: 1 since the archive. A file of a later layout is not ours
    // to restore.
    static constexpr int kLayoutVersion = 1;

    // The history as last loaded, and read access to it.
    const CHistorySlots& History() const { return loaded; }
    const HistoryRecord& Record(int slot) const { return loaded.Record(slot); }
    int HistoryCount() const { return loaded.Count(); }
    int FirstPendingRecord() const { return loaded.FirstPendingRecord(); }
    std::vector<HistoryRecord> ListedRecords() const { return loaded.ListedRecords(); }
    std::vector<int> RecordSlots() const { return loaded.RecordSlots(); }
    bool IsRecordSlot(int slot) const { return loaded.IsRecordSlot(slot); }
    int NextRecordOrder() const { return loaded.NextRecordOrder(); }
    bool IsHistoryFull() const { return loaded.IsFull(); }
    std::vector<int> OldestWithResult(int count) const { return loaded.OldestWithResult(count); }

    // Listeners hear every load (store/StoreEvents.h); Listen returns the number to stop listening with.
    int Listen(CStoreListeners::Listener listener) { return listeners.Add(std::move(listener)); }
    void StopListening(int id) { listeners.Remove(id); }
    // How many listen now: a view that is gone must have stopped.
    int ListenerCount() const { return listeners.Count(); }

private:
    bool ReadPlayer();
    // The file's records as a write finds them, read inside its transaction, with their rowids; nothing
    // when the table cannot be read whole.
    std::unique_ptr<CHistorySlots> ReadFileRecords() const;
    PredictionSave InsertPrediction(const NewPrediction& prediction, const COleDateTime& today,
                                    const PredictionBounds& bounds);
    // check: only the checks, "written" when the entry would go in; write: the checks and the write.
    enum class Pass { check, write };
    DrawEntry WriteDraw(int slot, const std::string& number, const COleDateTime& today, Pass pass);
    ArchiveOutcome WriteArchive(const std::vector<int>& recordOrders);
    // A failed step as the outcome of its action, read right after the failure: locked when another
    // connection held the file past the wait, else failed. Every outcome has both.
    template <typename Outcome>
    Outcome Failure() const {
        return connection.FailedOnLock() ? Outcome::locked : Outcome::failed;
    }
    SaveOutcome WritePlayerRow(CSqliteStatement& update);
    bool HasArchiveTable() const;
    bool WriteOneRow(CSqliteStatement& write);
    bool HasHistoryTable() const;

    CSqliteConnection connection;
    PlayerProfile player;
    CHistorySlots loaded;
    // The file's data version when the history was last loaded; -1 before the first load.
    long long loadedVersion = -1;
    CStoreListeners listeners;
};
