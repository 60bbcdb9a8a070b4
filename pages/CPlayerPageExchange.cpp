// SPDX-License-Identifier: GPL-3.0-or-later
// The player page's data exchange between its members and its controls, and the decoding of the fortune code
// into the label boxes and the chart.
#include <QStringEncoder>

#include "core/COleDateTime.h"
#include "core/CalendarEdition.h"
#include "pages/CPlayerPage.h"
#include "pages/DialogInteger.h"
#include "shell/MessageBox.h"
#include "shell/MessageSink.h"

namespace {

// The order in which the month boxes are exchanged: the first one, then the last three, then the rest.
constexpr std::array<std::size_t, 12> kMonthExchangeOrder = {0, 9, 10, 11, 1, 2, 3, 4, 5, 6, 7, 8};

}  // namespace

std::string CPlayerPage::FortuneCodeBytes(const QString& code) {
    // A character GBK lacks becomes one '?' byte, so it still counts toward the length.
    QStringEncoder toGbk("GBK");
    const QByteArray bytes = toGbk.encode(code);
    return bytes.toStdString();
}

bool CPlayerPage::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        shuxiangIndex = zodiacCombo.currentIndex();
        playerName = nameEdit.text();
    } else {
        zodiacCombo.setCurrentIndex(shuxiangIndex);
        nameEdit.setText(playerName);
    }
    for (const std::size_t i : kMonthExchangeOrder) {
        if (!ExchangeInteger(*monthEdits[i], monthLabels[i], saveAndValidate)) {
            return false;
        }
    }
    if (!ExchangeInteger(startYearEdit, startYear, saveAndValidate) ||
        !ExchangeInteger(nextYearEdit, nextYear, saveAndValidate)) {
        return false;
    }
    if (saveAndValidate) {
        fortuneCodeText = fortuneCodeEdit.Text();
    } else {
        fortuneCodeEdit.SetText(fortuneCodeText);
    }
    return true;
}

// A box that holds no integer stops the reading with the prompt and gets the focus back, its text selected,
// so the player sees which box it was.
bool CPlayerPage::ExchangeInteger(CColorEdit& edit, int& value, bool saveAndValidate) {
    if (!saveAndValidate) {
        edit.SetText(QString::number(value));
        return true;
    }
    if (!ParseDialogInteger(edit.Text().toStdString(), value)) {
        MessageBox(Messages::kNotAnInteger, this);
        edit.setFocus();
        edit.lineEdit()->selectAll();
        return false;
    }
    return true;
}

void CPlayerPage::ComputeFortuneChart() {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const std::string code = FortuneCodeBytes(fortuneCodeText);
    const FortuneCodeFault fault = FindFortuneCodeFault(code);
    // Only a code saved by an earlier version, which saved any 14 characters, can be faulty here. Its first
    // month could label the chart with month 0 or 13: such a code is drawn as no code at all.
    const FortuneChart chart =
        DecodeFortuneCode(fault == FortuneCodeFault::badMonth ? std::string() : code, now.GetYear(),
                          now.GetMonth(), startYear, nextYear, CurrentCalendarEdition());
    startYear = chart.startYear;
    nextYear = chart.nextYear;
    monthLabels = chart.monthLabels;
    UpdateData(false);
    // One message for the whole code, with the labels already on show; the chart is the flat line.
    if (fault == FortuneCodeFault::badMonth || fault == FortuneCodeFault::badLevel) {
        MessageBox(*FortuneCodeRefusal(fault), this);
    }
    chartValues = chart.chartValues;
    codeValid = chart.codeValid;
    chartPoints = chart.chartPoints;
}
