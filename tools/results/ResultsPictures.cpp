// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a database with predictions whose draw numbers are drawn at random, and draws the statistics window,
// the archive's view and the records page on them: the README's pictures of results show what the program
// makes of plain chance, never of draws chosen to match the codes. Run by tools/results-pictures.sh. Usage:
// results_pictures <seed> <empty database> <output folder>
//
// The codes are the program's own: for each day the random table is filled from a new seed, as each start of
// the program fills it from the clock, and the number page's eight codes are formed from it. 123 daily
// predictions from 2026-08-08 to 2026-12-08, the first 115 with a draw number from the same generator, the
// oldest 30 of those archived on the evening of 2026-12-08.
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/CMainDlg.h"
#include "controls/CjkFonts.h"
#include "controls/PostedMessage.h"
#include "controls/ProgramFiles.h"
#include "core/CRandomTable.h"
#include "core/CalendarEdition.h"
#include "core/Clock.h"
#include "pages/CArchiveDlg.h"
#include "pages/CStatisticsDlg.h"
#include "res/Resources.h"
#include "shell/CPredictApp.h"
#include "shell/Navigation.h"
#include "tools/OffscreenPlatform.h"

namespace {

constexpr int kPredictions = 123;
constexpr int kDrawn = 115;
constexpr int kArchived = 30;

bool Fail(const char* what) {
    std::fprintf(stderr, "results_pictures: %s\n", what);
    return false;
}

COleDateTime At(const QDate& day, int hour) {
    return {day.year(), day.month(), day.day(), hour};
}

// The issue as the program's users type it: the year and the day of the year, 2026-12-08 → 2026342.
std::string IssueOf(const QDate& day) {
    return std::to_string(day.year() * 1000 + day.dayOfYear());
}

bool SavePredictions(CPredictStore& store, std::mt19937& generator) {
    const PredictionBounds bounds{COleDateTime(2009, 6, 17), LastDrawYear(CalendarEdition::Extended)};
    const QDate first(2026, 8, 8);
    for (int i = 0; i < kPredictions; ++i) {
        const QDate day = first.addDays(i);
        CRandomTable table;
        table.Fill(generator());
        const COleDateTime morning = At(day, 9);
        if (store.SavePrediction({morning, IssueOf(day), FormEightCodes(table)}, morning, bounds) !=
            PredictionSave::saved) {
            return Fail("a prediction was not saved");
        }
    }
    return true;
}

bool EnterRandomDraws(CPredictStore& store, std::mt19937& generator) {
    std::uniform_int_distribution<int> number(0, 999);
    const std::vector<int> inListOrder = store.RecordSlots();
    for (int i = 0; i < kDrawn; ++i) {
        const int slot = inListOrder.at(static_cast<std::size_t>(i));
        const COleDateTime& date = store.Record(slot).record_date;
        const COleDateTime evening(date.GetYear(), date.GetMonth(), date.GetDay(), 21);
        if (store.EnterDraw(slot, FormatCode(number(generator)), evening).reason !=
            DrawEntry::Reason::written) {
            return Fail("a draw number was not entered");
        }
    }
    return true;
}

bool FillDatabase(CPredictStore& store, std::uint32_t seed) {
    std::mt19937 generator(seed);
    if (!SavePredictions(store, generator) || !EnterRandomDraws(store, generator)) {
        return false;
    }
    return store.ArchiveRecords(store.OldestWithResult(kArchived)) == ArchiveOutcome::archived ||
           Fail("the oldest records were not archived");
}

bool Save(QWidget& window, const QString& file) {
    window.show();
    QCoreApplication::processEvents();
    return window.grab().save(file, "PNG") || Fail("a picture was not written");
}

// The statistics window as the records page's menu opens it: the archive and the history together.
bool SaveStatistics(const CPredictStore& store, const QString& file) {
    const LedgerPrices prices;
    StatisticsFigures all;
    int archived = 0;
    if (!store.ReadArchive([&](const ArchivedRecord& record) {
            AddToFigures(all, record.record, prices);
            ++archived;
        })) {
        return Fail("the archive cannot be read");
    }
    StatisticsFigures current;
    for (const HistoryRecord& record : store.ListedRecords()) {
        AddToFigures(all, record, prices);
        AddToFigures(current, record, prices);
    }
    CStatisticsDlg dialog(std::move(all), std::move(current), archived, prices);
    return Save(dialog, file);
}

bool SaveArchive(const CPredictStore& store, const QString& file) {
    CArchiveDlg dialog(store);
    return (dialog.IsReadable() || Fail("the archive cannot be read")) && Save(dialog, file);
}

// The main window on the records page, as the home view's button opens it.
bool SaveRecordsPage(CPredictApp& app, const QString& file) {
    CMainDlg window(app);
    window.show();
    PostMessageTo(&window, WM_OPENVIEW, MessageParam(ViewKind::Records), 0);
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return Save(window, file);
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QApplication qtApp(argc, argv);
    if (argc != 4) {
        std::fputs("usage: results_pictures <seed> <empty database> <output folder>\n", stderr);
        return 2;
    }
    const auto seed = static_cast<std::uint32_t>(std::stoul(argv[1]));
    const QDir folder(QString::fromLocal8Bit(argv[3]));
    InstallCjkFontSubstitutions();
    InitResources();
    SetProgramFilesFolder(QStringLiteral(MORVINT_PROGRAM_DIR));
    SetCalendarEdition(CalendarEdition::Extended);
    // The archive says when it was made: on the evening of the last prediction, whenever the tool runs.
    Clock::SetSource([] { return Clock::MakeLocalTime(2026, 12, 8, 20, 0); });

    CPredictApp app;
    if (app.OpenDatabase(argv[2]) != OpenOutcome::opened || app.LoadPlayer() != LoadOutcome::loaded ||
        app.LoadHistory() != LoadOutcome::loaded) {
        Fail("the database cannot be opened");
        return 1;
    }
    const bool ok = FillDatabase(app, seed) &&
                    SaveStatistics(app, folder.filePath(QStringLiteral("statistics.png"))) &&
                    SaveArchive(app, folder.filePath(QStringLiteral("archive.png"))) &&
                    SaveRecordsPage(app, folder.filePath(QStringLiteral("records.png")));
    return ok ? 0 : 1;
}
