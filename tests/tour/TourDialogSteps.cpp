// SPDX-License-Identifier: GPL-3.0-or-later
// The tour's steps through the date dialog and its refusals, the save question, the records after the draws
// and the way out.
#include <QDate>
#include <QMessageBox>
#include <QTest>
#include <ctime>

#include "app/CNavPanel.h"
#include "core/Clock.h"
#include "pages/CDateInputDlg.h"
#include "pages/CHistoryPage.h"
#include "pages/CNumberPage.h"
#include "shell/CNoticeDlg.h"
#include "shell/QtMessageTexts.h"
#include "tests/support/FixedClock.h"
#include "tests/tour/CTour.h"
#include "tests/tour/TourData.h"
#include "tests/tour/TourWindows.h"

namespace {

bool DateDialogWaiting() {
    return ActiveModal<CDateInputDlg>() != nullptr;
}

// Types into the dialog as a user does: the picker's date, then the issue, replacing what was there.
void Enter(CDateInputDlg& dialog, const QString& date, const QString& issue) {
    dialog.datePicker.setDate(QDate::fromString(date, Qt::ISODate));
    dialog.issueEdit.selectAll();
    QTest::keyClick(&dialog.issueEdit, Qt::Key_Delete);
    QTest::keyClicks(&dialog.issueEdit, issue);
}

}  // namespace

void CTour::AddDateSteps() {
    driver.Add(
        QStringLiteral("open the date dialog"), [this] { return AtHome(); },
        [this] { Panel()->predictButton.click(); });
    driver.Add(QStringLiteral("date dialog"), DateDialogWaiting,
               [this] { ShootModal(QStringLiteral("date"), *ActiveModal<CDateInputDlg>()); });
    AddRefusal(QStringLiteral("2009-06-16"), QStringLiteral("2009159"), TextOf(Messages::kPredictingThePast),
               QStringLiteral("date-refused-past"), true, QStringLiteral("date-notice"));
    AddRefusal(QStringLiteral("2009-06-18"), QStringLiteral("2009161"), TextOf(Messages::kDayTaken),
               QStringLiteral("date-refused-predicted"), true, QString());
    AddRefusal(QStringLiteral("2012-01-04"), QStringLiteral("2012004"),
               TextOf(Messages::kCalendarTooOld).arg(2012), QStringLiteral("date-refused-2012"), false,
               QString());
    AddRefusal(QStringLiteral("2009-06-17"), QString(), TextOf(Messages::kNoIssue),
               QStringLiteral("date-refused-issue"), false, QString());
    // Today with an issue goes through, with Enter from the issue field.
    driver.Add(QStringLiteral("accept the date"), DateDialogWaiting, [] {
        CDateInputDlg* dialog = ActiveModal<CDateInputDlg>();
        Enter(*dialog, QStringLiteral("2009-06-17"), QStringLiteral("2009160"));
        QTest::keyClick(&dialog->issueEdit, Qt::Key_Return);
    });
}

// On today's clock: the dialog opens on today, takes an issue for it (the year and the day's number in it)
// and goes through.
void CTour::AddTodayDateSteps() {
    driver.Add(
        QStringLiteral("open the date dialog"), [this] { return AtHome(); },
        [this] { Panel()->predictButton.click(); });
    driver.Add(QStringLiteral("date dialog on today"), DateDialogWaiting, [this] {
        const std::tm now = Clock::LocalTime(Clock::Now());
        const QDate today(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
        CDateInputDlg* dialog = ActiveModal<CDateInputDlg>();
        Enter(*dialog, today.toString(Qt::ISODate), QString::number(today.year() * 1000 + today.dayOfYear()));
        ShootModal(QStringLiteral("date"), *dialog);
        QTest::keyClick(&dialog->issueEdit, Qt::Key_Return);
    });
}

// One refusal: the message box, answered with Enter, and for a refused date the date notice after it.
void CTour::AddRefusal(const QString& date, const QString& issue, const QString& expected,
                       const QString& shot, bool dateNotice, const QString& noticeShot) {
    driver.Add(QStringLiteral("enter ") + date, DateDialogWaiting, [date, issue] {
        CDateInputDlg* dialog = ActiveModal<CDateInputDlg>();
        Enter(*dialog, date, issue);
        dialog->okButton.click();
    });
    driver.Add(
        QStringLiteral("refusal of ") + date, [] { return ActiveModal<QMessageBox>() != nullptr; },
        [this, expected, shot] {
            QMessageBox* box = ActiveModal<QMessageBox>();
            if (box->text() != expected) {
                Fail(shot + QStringLiteral(": the message was \"") + box->text() + u'"');
            }
            ShootModal(shot, *box);
            QTest::keyClick(box, Qt::Key_Return);
        });
    if (dateNotice) {
        driver.Add(
            QStringLiteral("date notice after ") + date,
            [] {
                const CNoticeDlg* notice = ActiveModal<CNoticeDlg>();
                return notice != nullptr && notice->noticeMode == NoticeMode::dateNotPredictable;
            },
            [this, noticeShot] {
                CNoticeDlg* notice = ActiveModal<CNoticeDlg>();
                if (!noticeShot.isEmpty()) {
                    ShootModal(noticeShot, *notice);
                }
                QTest::keyClick(notice, Qt::Key_Return);
            });
    }
}

void CTour::AddSaveSteps() {
    driver.Add(
        QStringLiteral("number page"), [this] { return ShownPage<CNumberPage>(Main()) != nullptr; },
        [this] {
            ShootMain(QStringLiteral("numbers"));
            ShownPage<CNumberPage>(Main())->saveButton.click();
        });
    driver.Add(
        QStringLiteral("save question"),
        [] {
            const CNoticeDlg* notice = ActiveModal<CNoticeDlg>();
            return notice != nullptr && notice->noticeMode == NoticeMode::saveQuestion;
        },
        [this] {
            CNoticeDlg* notice = ActiveModal<CNoticeDlg>();
            ShootModal(QStringLiteral("save-question"), *notice);
            notice->saveButton.click();
        });
    driver.Add(
        QStringLiteral("saved"), [] { return ActiveModal<QMessageBox>() != nullptr; },
        [this] {
            QMessageBox* box = ActiveModal<QMessageBox>();
            ShootModal(QStringLiteral("saved"), *box);
            QTest::keyClick(box, Qt::Key_Return);
        });
    driver.Add(
        QStringLiteral("home from the numbers"), [this] { return ShownPage<CNumberPage>(Main()) != nullptr; },
        [this] { ShownPage<CNumberPage>(Main())->backButton.click(); });
}

void CTour::AddRecordsSteps() {
    // A week later every saved draw has taken place.
    driver.Add(
        QStringLiteral("open the records a week later"), [this] { return AtHome(); },
        [this] {
            clock.Set(Clock::MakeLocalTime(2009, 6, 24, 10, 0, 0));
            Panel()->recordsButton.click();
        });
    for (int row = 0; row <= static_cast<int>(kSeededPredictions.size()); ++row) {
        driver.Add(
            QStringLiteral("select row %1").arg(row),
            [this] { return ShownPage<CHistoryPage>(Main()) != nullptr; },
            [this, row] {
                CHistoryPage* page = ShownPage<CHistoryPage>(Main());
                const QRect cell = page->list.visualItemRect(page->list.item(row, 0));
                QTest::mouseClick(page->list.viewport(), Qt::LeftButton, {}, cell.center());
            });
        const bool last = row == static_cast<int>(kSeededPredictions.size());
        driver.Add(
            QStringLiteral("entry of row %1").arg(row),
            [this, row] {
                const CHistoryPage* page = ShownPage<CHistoryPage>(Main());
                return page != nullptr && page->selectedRow == row && page->drawNumberEdit.isVisible();
            },
            [this, row, last] {
                CHistoryPage* page = ShownPage<CHistoryPage>(Main());
                if (last) {  // today's prediction: its draw is still to come
                    ShootMain(QStringLiteral("records"));
                    page->backButton.click();
                    return;
                }
                QTest::keyClicks(&page->drawNumberEdit, QString::fromLatin1(kSeededPredictions[row].draw));
                page->confirmButton.click();
            });
    }
}

void CTour::AddExitSteps() {
    driver.Add(
        QStringLiteral("home with the player's name"), [this] { return AtHome(); },
        [this] {
            ShootMain(QStringLiteral("home-player"));
            Main()->exitButton.click();
        });
}
