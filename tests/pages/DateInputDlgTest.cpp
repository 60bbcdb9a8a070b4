// SPDX-License-Identifier: GPL-3.0-or-later
// The draw-date dialog: each refusal with its exact words and caption, in the order of the checks, and the
// dialog left open as it was; what an accepted dialog hands back. The dates already predicted are those of
// the file as it is when OK is pressed, not those loaded before.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>
#include <optional>
#include <vector>

#include "pages/CDateInputDlg.h"
#include "shell/CHelpWindow.h"
#include "shell/CNoticeDlg.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/EditionScope.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ModalAnswer.h"

namespace {

const RecordedMessage kPast{Messages::kPredictingThePast};
const RecordedMessage kAlreadyPredicted{Messages::kDayTaken};
const RecordedMessage kTooNew{Messages::kCalendarTooOld, 2012};
const RecordedMessage kNoIssue{Messages::kNoIssue};
const RecordedMessage kFull{Messages::kHistoryFull};

const std::array<std::string, 8> kCodes = {"386", "012", "907", "555", "243", "555", "659", "760"};

class DateInputDlgTest : public PageStoreFixture {
protected:
    void SetUp() override {
        PageStoreFixture::SetUp();
        OpenStore();
        notices = std::make_unique<ModalAnswer<CNoticeDlg>>([this](CNoticeDlg& notice) {
            noticeModes.push_back(notice.noticeMode);
            notice.accept();
        });
    }
    void TearDown() override {
        notices.reset();
        PageStoreFixture::TearDown();
    }

    // Opens a dialog as the main window would, types the date and the issue and presses OK.
    void Enter(CDateInputDlg& dialog, QDate date, const QString& issue) {
        dialog.show();
        dialog.datePicker.setDate(date);
        dialog.issueEdit.setText(issue);
        dialog.okButton.click();
    }
    bool Accepted(const CDateInputDlg& dialog) const {
        return dialog.result() == QDialog::Accepted && !dialog.isVisible();
    }
    bool StillOpen(const CDateInputDlg& dialog) const {
        return dialog.result() != QDialog::Accepted && dialog.isVisible();
    }
    // A prediction saved and loaded; date as "YYYY-MM-DD HH:MM:SS".
    void SaveHistory(int order, const std::string& date) {
        AddRecord(order, date, kCodes);
        app->LoadHistory();
    }

    std::unique_ptr<ModalAnswer<CNoticeDlg>> notices;
    std::vector<NoticeMode> noticeModes;
};

TEST_F(DateInputDlgTest, OpensOnTodayAndHandsBackTheChosenDateWithTheTimeItOpenedAt) {
    FixedClock clock(2010, 3, 5, 14, 30, 15);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    EXPECT_EQ(dialog.datePicker.date(), QDate(2010, 3, 5));
    EXPECT_TRUE(dialog.datePicker.calendarPopup());
    EXPECT_TRUE(dialog.datePicker.displayFormat().contains(QStringLiteral("yyyy")));
    // Chinese whatever the desktop's language.
    EXPECT_EQ(dialog.datePicker.locale().language(), QLocale::Chinese);

    clock.Advance(3600);  // the time of day stays the one the dialog opened with
    Enter(dialog, QDate(2010, 3, 9), QStringLiteral("10063"));

    EXPECT_TRUE(Accepted(dialog));
    EXPECT_EQ(dialog.dateInput, COleDateTime(2010, 3, 9, 14, 30, 15));
    EXPECT_EQ(dialog.issueInput, QStringLiteral("10063"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(noticeModes.empty());
}

// The dialog asks the rules of the history (tested case by case in HistoryRulesTest) and says each refusal in
// its own words, with the date notice for a date that cannot be predicted; the dialog stays open with what
// was entered. Each case on its own clock and history.
struct DateCase {
    const char* what;
    COleDateTime clock;
    std::vector<std::string> saved;  // the records' dates
    QDate date;
    QString issue;
    std::optional<RecordedMessage> refusal;  // none: accepted
    bool notice = false;
};

TEST_F(DateInputDlgTest, EachRefusalIsSaidInItsWordsAndOnlyADateThatCannotBePredictedBringsTheNotice) {
    const COleDateTime evening(2010, 3, 5, 23, 59, 0);
    const std::vector<DateCase> cases = {
        {"today, a minute before midnight", evening, {}, QDate(2010, 3, 5), QStringLiteral("1"), {}},
        {"yesterday", evening, {}, QDate(2010, 3, 4), QStringLiteral("1"), kPast, true},
        {"before the first draw, on an earlier clock",
         COleDateTime(2009, 1, 1),
         {},
         QDate(2009, 6, 16),
         QStringLiteral("1"),
         kPast,
         true},
        {"the first draw", COleDateTime(2009, 1, 1), {}, QDate(2009, 6, 17), QStringLiteral("1"), {}},
        {"a day predicted at another time, with another issue",
         COleDateTime(2010, 3, 5, 9, 0, 0),
         {"2010-03-06 21:15:00", "2010-03-08 10:00:00"},
         QDate(2010, 3, 8),
         QStringLiteral("another issue"),
         kAlreadyPredicted,
         true},
        {"the day between two predicted ones",
         COleDateTime(2010, 3, 5, 9, 0, 0),
         {"2010-03-06 21:15:00", "2010-03-08 10:00:00"},
         QDate(2010, 3, 7),
         QStringLiteral("another issue"),
         {}},
        {"a past day that was predicted too: only the past is said",
         COleDateTime(2010, 3, 5),
         {"2010-03-01 12:00:00"},
         QDate(2010, 3, 1),
         QString(),
         kPast,
         true},
        {"the calendar's last day",
         COleDateTime(2011, 12, 30),
         {},
         QDate(2011, 12, 31),
         QStringLiteral("11356"),
         {}},
        {"the year after the calendar",
         COleDateTime(2011, 12, 30),
         {},
         QDate(2012, 1, 1),
         QStringLiteral("12001"),
         kTooNew},
        {"no issue", COleDateTime(2010, 3, 5), {}, QDate(2010, 3, 5), QString(), kNoIssue},
        {"one blank", COleDateTime(2010, 3, 5), {}, QDate(2010, 3, 5), QStringLiteral(" "), kNoIssue},
        {"two blanks", COleDateTime(2010, 3, 5), {}, QDate(2010, 3, 5), QStringLiteral("  "), kNoIssue},
        {"three blanks are taken as typed",
         COleDateTime(2010, 3, 5),
         {},
         QDate(2010, 3, 5),
         QStringLiteral("   "),
         {}},
    };
    for (const DateCase& date : cases) {
        SCOPED_TRACE(date.what);
        FixedClock clock(date.clock.GetYear(), date.clock.GetMonth(), date.clock.GetDay(),
                         date.clock.GetHour(), date.clock.GetMinute(), date.clock.GetSecond());
        Sql("DELETE FROM data_history");
        int order = 0;
        for (const std::string& saved : date.saved) {
            AddRecord(++order, saved, kCodes);
        }
        app->LoadHistory();
        messages.clear();
        noticeModes.clear();
        CDateInputDlg dialog(*app, app->state, OpenHelp);

        Enter(dialog, date.date, date.issue);

        if (!date.refusal) {
            EXPECT_TRUE(Accepted(dialog));
            EXPECT_EQ(dialog.issueInput, date.issue);
            EXPECT_TRUE(messages.empty());
            continue;
        }
        EXPECT_TRUE(StillOpen(dialog));
        EXPECT_EQ(messages, std::vector<RecordedMessage>{*date.refusal});
        EXPECT_EQ(noticeModes,
                  date.notice ? std::vector{NoticeMode::dateNotPredictable} : std::vector<NoticeMode>{});
        EXPECT_EQ(dialog.datePicker.date(), date.date) << "a refusal keeps what was entered";
        EXPECT_EQ(dialog.issueEdit.text(), date.issue);
    }
}

// Another copy saved the 8th after this one loaded its history; a record this one had loaded is gone from the
// file. The dialog goes by the file: the 8th is refused, the 7th is free again.
TEST_F(DateInputDlgTest, TheDatesAlreadyPredictedAreThoseOfTheFileWhenOKIsPressed) {
    FixedClock clock(2010, 3, 5, 9, 0, 0);
    SaveHistory(1, "2010-03-06 21:15:00");
    SaveHistory(2, "2010-03-07 21:15:00");
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    Sql("DELETE FROM data_history WHERE record_order = 2");
    AddRecord(3, "2010-03-08 10:00:00", kCodes);

    Enter(dialog, QDate(2010, 3, 8), QStringLiteral("10064"));
    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kAlreadyPredicted});

    messages.clear();
    Enter(dialog, QDate(2010, 3, 7), QStringLiteral("10063"));
    EXPECT_TRUE(Accepted(dialog));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app->Record(2).open_order, "10002") << "the slot still holds the record that went";
}

// 399 saved predictions: the four checks come first, in their order; then the full history is refused before
// the walk, until a record is gone.
// A full history comes last of the checks. With records that have their results it offers to archive the
// oldest one (after a safety copy) and go on; without any, it refuses.
TEST_F(DateInputDlgTest, AFullHistoryOffersToArchiveAfterTheOtherChecks) {
    FixedClock clock(2010, 3, 5, 9, 0, 0);
    FillHistory("未知", 11);
    app->LoadHistory();
    CDateInputDlg dialog(*app, app->state, OpenHelp);

    Enter(dialog, QDate(2010, 3, 4), QStringLiteral("10063"));
    Enter(dialog, QDate(2012, 1, 1), QStringLiteral("12001"));
    Enter(dialog, QDate(2010, 3, 5), QStringLiteral(" "));
    Enter(dialog, QDate(2010, 3, 5), QStringLiteral("10064"));

    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kPast, kTooNew, kNoIssue, kFull}));
    EXPECT_EQ(noticeModes, std::vector{NoticeMode::dateNotPredictable})
        << "only the past date brings the date notice";

    Sql("UPDATE data_history SET open_data = '000', is_right = 0 WHERE record_order <= 3");
    messages.clear();
    QStringList questions;
    QString answer = QStringLiteral("取消");
    ModalAnswer<QMessageBox> question([&](QMessageBox& box) {
        questions << box.text();
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == answer) {
                button->click();
            }
        }
    });
    Enter(dialog, QDate(2010, 3, 5), QStringLiteral("10064"));
    EXPECT_TRUE(StillOpen(dialog)) << "cancelled";
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (TextRows{{"399"}}));

    answer = QStringLiteral("归档并继续");
    Enter(dialog, QDate(2010, 3, 5), QStringLiteral("10064"));
    EXPECT_TRUE(Accepted(dialog));
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions.back().toStdString(),
              FormatText(Messages::kArchiveToContinue, 1, Messages::kArchiveLosesNothing.text));
    EXPECT_EQ(Rows("SELECT open_order FROM data_archive"), (TextRows{{"1"}}));
    EXPECT_EQ(Rows("SELECT count(*), max(record_order) FROM data_history"), (TextRows{{"398", "398"}}));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("backups"))).entryList(QDir::Files).size(), 1);
}

// Another running copy changes the oldest record's result while the question is open: nothing is archived,
// the box says that the records changed, and the dialog stays open for another try.
TEST_F(DateInputDlgTest, AnArchiveRacedByTheOtherCopySaysTheRecordsChangedAndKeepsTheDialog) {
    FixedClock clock(2010, 3, 5, 9, 0, 0);
    FillHistory("未知", 11);
    Sql("UPDATE data_history SET open_data = '000', is_right = 0 WHERE record_order <= 3");
    app->LoadHistory();
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    ModalAnswer<QMessageBox> question([this](QMessageBox& box) {
        Sql("UPDATE data_history SET open_data = '111', is_right = 0 WHERE record_order = 1");
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QStringLiteral("归档并继续")) {
                button->click();
            }
        }
    });

    Enter(dialog, QDate(2010, 3, 5), QStringLiteral("10064"));

    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kArchiveChangedMeanwhile});
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (TextRows{{"399"}}));
    EXPECT_EQ(app->Record(1).open_data, "111") << "the dialog's copy read the file again";
}

// The extended calendar runs to the end of 2099; its refusal names the year after, in the same words.
TEST_F(DateInputDlgTest, TheExtendedCalendarTakesDrawsUpTo2099AndNamesTheNextYearWhenRefusing) {
    const EditionScope extended(CalendarEdition::Extended);
    FixedClock clock(2026, 12, 7, 10, 0, 0);
    CDateInputDlg today(*app, app->state, OpenHelp);
    Enter(today, QDate(2026, 12, 7), QStringLiteral("2026333"));
    EXPECT_TRUE(Accepted(today));

    CDateInputDlg lastDay(*app, app->state, OpenHelp);
    Enter(lastDay, QDate(2099, 12, 31), QStringLiteral("2099365"));
    EXPECT_TRUE(Accepted(lastDay));

    CDateInputDlg nextYear(*app, app->state, OpenHelp);
    Enter(nextYear, QDate(2100, 1, 1), QStringLiteral("2100001"));
    EXPECT_TRUE(StillOpen(nextYear));
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{{Messages::kCalendarTooOld, 2100}}));
    EXPECT_TRUE(noticeModes.empty());
}

// The picker reaches today and the first year each calendar refuses, whatever the clock says, so that every
// refusal can be seen rather than the date being quietly moved.
TEST_F(DateInputDlgTest, ThePickerReachesTodayAndTheFirstRefusedYear) {
    FixedClock clock(2026, 12, 7);
    {
        const EditionScope classic(CalendarEdition::Classic);
        CDateInputDlg dialog(*app, app->state, OpenHelp);
        dialog.show();
        EXPECT_EQ(dialog.datePicker.date(), QDate(2026, 12, 7));
        EXPECT_EQ(dialog.datePicker.minimumDate(), QDate(2007, 1, 1));
        EXPECT_EQ(dialog.datePicker.maximumDate(), QDate(2026, 12, 31));
    }
    const EditionScope extended(CalendarEdition::Extended);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    EXPECT_EQ(dialog.datePicker.maximumDate(), QDate(2100, 12, 31));
}

TEST_F(DateInputDlgTest, EnterInTheIssueFieldRunsTheSameChecks) {
    FixedClock clock(2010, 3, 5);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    dialog.issueEdit.setFocus();

    QTest::keyClick(&dialog.issueEdit, Qt::Key_Return);
    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kNoIssue});

    QTest::keyClicks(&dialog.issueEdit, QStringLiteral("10064"));
    QTest::keyClick(&dialog.issueEdit, Qt::Key_Return);
    EXPECT_TRUE(Accepted(dialog));
}

TEST_F(DateInputDlgTest, F4AndAltDownOpenTheCalendarFromTheKeyboard) {
    FixedClock clock(2010, 3, 5);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Down, Qt::AltModifier}}) {
        QTest::keyClick(&dialog.datePicker, key, modifiers);
        QCalendarWidget* calendar = dialog.datePicker.calendarWidget();
        ASSERT_TRUE(QTest::qWaitFor([&] { return calendar->isVisible(); })) << "key " << key;
        EXPECT_EQ(calendar->selectedDate(), QDate(2010, 3, 5));
        QTest::keyClick(calendar, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !calendar->isVisible(); }));
    }
    EXPECT_TRUE(dialog.isVisible()) << "the keys open the calendar, they do not end the dialog";
}

// One Tab takes the player from the date to the issue, whichever part of the date is being edited; the issue
// typed then lands in 期号 and the date stays as it was. Shift+Tab goes back to the date.
TEST_F(DateInputDlgTest, TabLeavesTheDateForTheIssueAndShiftTabComesBack) {
    FixedClock clock(2010, 3, 5);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_EQ(QApplication::focusWidget(), &dialog.datePicker);
    dialog.datePicker.setCurrentSection(QDateTimeEdit::YearSection);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &dialog.issueEdit);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10064"));
    EXPECT_EQ(dialog.issueEdit.text(), QStringLiteral("10064"));
    EXPECT_EQ(dialog.datePicker.date(), QDate(2010, 3, 5));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &dialog.datePicker);
    EXPECT_EQ(dialog.datePicker.date(), QDate(2010, 3, 5));
}

// Draws come day after day: when the last saved prediction is for the day before the chosen date, 期号 offers
// the issue after its issue, selected so that typing replaces it. The offer follows the picker until the
// player types an issue of their own.
TEST_F(DateInputDlgTest, TheIssueAfterTheLastOneIsOfferedForTheNextDayUntilOneIsTyped) {
    FixedClock clock(2010, 3, 5);
    SaveHistory(2, "2010-03-08 21:15:00");  // issue 10002, the earlier slot though the later date
    SaveHistory(3, "2010-03-05 21:15:00");  // issue 10003, the last saved
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    EXPECT_TRUE(dialog.issueEdit.text().isEmpty()) << "today is the last record's own day";

    dialog.datePicker.setDate(QDate(2010, 3, 6));
    EXPECT_EQ(dialog.issueEdit.text(), QStringLiteral("10004"));
    EXPECT_EQ(dialog.issueEdit.selectedText(), QStringLiteral("10004"));
    dialog.datePicker.setDate(QDate(2010, 3, 7));
    EXPECT_TRUE(dialog.issueEdit.text().isEmpty());
    dialog.datePicker.setDate(QDate(2010, 3, 6));
    QTest::keyClicks(&dialog.issueEdit, QStringLiteral("10009"));
    EXPECT_EQ(dialog.issueEdit.text(), QStringLiteral("10009"));
    dialog.datePicker.setDate(QDate(2010, 3, 7));
    dialog.datePicker.setDate(QDate(2010, 3, 6));
    EXPECT_EQ(dialog.issueEdit.text(), QStringLiteral("10009")) << "a typed issue stays";

    dialog.okButton.click();
    EXPECT_TRUE(Accepted(dialog));
    EXPECT_EQ(dialog.issueInput, QStringLiteral("10009"));
}

// The next issue keeps the width of the last one; an issue that is not a plain number offers nothing.
TEST_F(DateInputDlgTest, TheOfferedIssueKeepsItsDigitsAndOnlyNumbersAreCounted) {
    FixedClock clock(2010, 3, 5);
    const std::pair<std::string, QString> cases[] = {{"2010063", QStringLiteral("2010064")},
                                                     {"09161", QStringLiteral("09162")},
                                                     {"0999", QStringLiteral("1000")},
                                                     {"999", QStringLiteral("1000")},
                                                     {"10-63", QString()},
                                                     {"第63期", QString()},
                                                     {" 10063", QString()},
                                                     {"", QString()}};
    for (const auto& [issue, offered] : cases) {
        Sql("DELETE FROM data_history;");
        Sql(InsertHistorySql({.order = 1, .date = "2010-03-04 21:15:00", .openOrder = issue}));
        app->LoadHistory();
        CDateInputDlg dialog(*app, app->state, OpenHelp);
        dialog.show();
        EXPECT_EQ(dialog.issueEdit.text(), offered) << issue;
    }
}

TEST_F(DateInputDlgTest, CancelEndsTheDialogWithoutChecks) {
    FixedClock clock(2010, 3, 5);
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    dialog.datePicker.setDate(QDate(2001, 1, 1));

    dialog.cancelButton.click();

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(messages.empty());
}

// The help documents live in the program's folder; the test puts one there for the length of the test.
TEST_F(DateInputDlgTest, TheHelpButtonOpensThePredictingHelpAndKeepsTheDialogOpen) {
    const QString path = dir.filePath(QStringLiteral("help_yuce.html"));
    QFile document(path);
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("<html><body>predicting</body></html>");
    document.close();
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();

    dialog.helpButton.click();

    CHelpWindow* help = CHelpWindow::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().toLocalFile(), path);
    EXPECT_TRUE(dialog.isVisible());
    delete help;
}

// The dialog is a 12-point 宋体 window: its picker and issue field use that font, 16 pixels high.
TEST_F(DateInputDlgTest, TheFieldsUseTheDialogsTwelvePointFont) {
    CDateInputDlg dialog(*app, app->state, OpenHelp);
    dialog.show();
    const QString song = QFont(QStringLiteral("宋体")).family();
    for (const QWidget* field :
         {static_cast<QWidget*>(&dialog.datePicker), static_cast<QWidget*>(&dialog.issueEdit)}) {
        EXPECT_EQ(field->font().family(), song);
        EXPECT_EQ(field->font().pixelSize(), 16);
        EXPECT_LE(QFontMetrics(field->font()).height(), field->height());
    }
}

}  // namespace
