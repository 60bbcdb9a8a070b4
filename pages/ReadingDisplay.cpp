// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ReadingDisplay.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "pages/PageLayout.h"
#include "shell/PageChrome.h"

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

void SetUpDateLabel(CSkinButton& label, const Layout::Rect& rect, COLORREF colour) {
    // A label shows text only: Tab passes it by, and a screen reader reads it as text.
    label.SetRole(CSkinButton::ButtonRole::Label);
    label.SetTransparentBackground(true);
    label.SetFlatBorder(false, true);
    Place(label, rect);
    label.SetStateColour(CSkinButton::kTextNormal, colour, true);
    label.SetStateColour(CSkinButton::kTextHot, colour, true);
}

}  // namespace

QString SexagenaryDateText(const CLunarCalendar& lunar) {
    return FromUtf8(lunar.yearPillar) + QStringLiteral("年") + FromUtf8(lunar.monthPillar) +
           QStringLiteral("月") + FromUtf8(lunar.dayPillar) + QStringLiteral("日");
}

QString CalendarDateText(const COleDateTime& drawDate, const CLunarCalendar& lunar) {
    return QStringLiteral("公历:%1-%2-%3  农历:")
               .arg(drawDate.GetYear())
               .arg(drawDate.GetMonth())
               .arg(drawDate.GetDay()) +
           FromUtf8(lunar.lunarMonthName) + QStringLiteral("月") + FromUtf8(lunar.lunarDayName);
}

QString MovingLineWord(int movingLine) {
    static const char* const words[] = {"初爻动", "二爻动", "三爻动", "四爻动", "五爻动", "六爻动"};
    if (movingLine < 1 || movingLine > 6) {
        return {};
    }
    return QString::fromUtf8(words[movingLine - 1]);
}

void ShowDateLabels(CSkinButton& sexagenary, const Layout::Rect& sexagenaryRect, CSkinButton& calendar,
                    const Layout::Rect& calendarRect, const PredictionState& state) {
    SetUpDateLabel(sexagenary, sexagenaryRect, kSexagenaryLabelColour);
    sexagenary.setText(SexagenaryDateText(state.lunar));
    SetUpDateLabel(calendar, calendarRect, kCalendarLabelColour);
    calendar.setText(CalendarDateText(state.drawDate, state.lunar));
}

QFont TemplateFont(int pixels) {
    QFont font = PageFont(pixels, QStringLiteral("宋体"));
    font.setWeight(QFont::Normal);
    return font;
}

void SetTextLayout(CColorEdit& edit, int fontPixels, int margin) {
    edit.SetFont(TemplateFont(fontPixels));
    if (QPlainTextEdit* plain = edit.plainTextEdit(); plain != nullptr) {
        plain->document()->setDocumentMargin(margin);
    }
}

void ShowTrigramPictures(CPictureStatic& upper, CPictureStatic& lower, const CGuaReading* reading) {
    if (reading == nullptr) {
        return;
    }
    upper.SetPictureFile(FromUtf8(reading->UpperPicture()), 130, 70, false);
    lower.SetPictureFile(FromUtf8(reading->LowerPicture()), 130, 70, false);
}

QString ReadingText(const CGuaReading* reading, std::string (CGuaReading::*text)() const) {
    return reading != nullptr ? FromUtf8((reading->*text)()) : QString();
}

QString ReadingText(const CGuaReading* reading, const std::string CGuaReading::*text) {
    return reading != nullptr ? FromUtf8(reading->*text) : QString();
}
