// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the show page and the explanation page have in common: the two date labels over their ribbon, the
// texts they derive from the prediction in progress, the trigram pictures, and the fonts and inner margins
// that make the program's texts fit the small boxes the pictures were drawn around.
#include <QFont>
#include <QString>
#include <string>

#include "controls/CColorEdit.h"
#include "controls/CPictureStatic.h"
#include "controls/CSkinButton.h"
#include "controls/Colour.h"
#include "core/CGuaReading.h"
#include "core/CLunarCalendar.h"
#include "core/COleDateTime.h"
#include "core/PredictionState.h"
#include "res/Layout.h"

// The date labels: the sexagenary date in blue, the calendar date in dark teal.
inline constexpr COLORREF kSexagenaryLabelColour = RGB(18, 18, 145);
inline constexpr COLORREF kCalendarLabelColour = RGB(0, 65, 80);

// "己丑年庚午月癸巳日": the three pillars of the draw date.
QString SexagenaryDateText(const CLunarCalendar& lunar);
// "公历:2010-3-5  农历:正月二十": the draw date without leading zeros, then the lunar month and day.
QString CalendarDateText(const COleDateTime& drawDate, const CLunarCalendar& lunar);
// "初爻动" .. "六爻动" for lines 1..6; empty for anything else.
QString MovingLineWord(int movingLine);

// The two date labels of the prediction in progress at their rectangles: the pillars in blue, the calendar
// dates in dark teal. Each is a caption button that only shows text: no face, no border, no focus, the same
// colour at rest and under the pointer.
void ShowDateLabels(CSkinButton& sexagenary, const Layout::Rect& sexagenaryRect, CSkinButton& calendar,
                    const Layout::Rect& calendarRect, const PredictionState& state);

// The text font of a page: "宋体" at this pixel height, normal weight (the dialog font of its template).
QFont TemplateFont(int pixels);
// Gives a multi-line edit its font and the blank it keeps around its text; the boxes are only a line or
// two high, so the usual margin would push a wrapped line out of sight.
void SetTextLayout(CColorEdit& edit, int fontPixels, int margin);

// The two trigram pictures of a reading, each drawn 130 x 70 from the control's corner (the control shows the
// top-left part). A page reached without a cast has no reading and shows none.
void ShowTrigramPictures(CPictureStatic& upper, CPictureStatic& lower, const CGuaReading* reading);

// A text member of a reading, or an empty text when there is no reading.
QString ReadingText(const CGuaReading* reading, std::string (CGuaReading::*text)() const);
QString ReadingText(const CGuaReading* reading, const std::string CGuaReading::*text);
