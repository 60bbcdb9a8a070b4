// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RecordsWorkbook.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <map>

#include "res/RecordColumns.h"
#include "store/HistoryVerdict.h"
#include "store/RecordColumnText.h"

namespace {

constexpr int kLongestCell = 32767;        // characters, the most a spreadsheet cell holds
constexpr double kWidestColumn = 40.0;     // in the width of a digit; a longer text is cut off at the edge
constexpr lxw_col_t kSentenceColumns = 9;  // the captions and the eight code positions
constexpr double kDateWidth = 12.0;        // 2009-06-17, with room to spare

lxw_color_t Colour(RecordColumns::Rgb rgb) {
    return static_cast<lxw_color_t>((rgb.r << 16) | (rgb.g << 8) | rgb.b);
}

// Text as a cell may hold it: well-formed UTF-8 (a byte that is none becomes U+FFFD), no control characters,
// which the file's XML cannot carry, and no more than a cell takes. Typed issues and stored codes may hold
// anything.
std::string CellText(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\t' ||
            (c.category() != QChar::Other_Control && c != QChar(0xFFFE) && c != QChar(0xFFFF))) {
            clean += c;
        }
    }
    return clean.left(kLongestCell).toStdString();
}

std::string CellText(const std::string& text) {
    return CellText(QString::fromStdString(text));
}

// How wide a text stands, in the width of a digit: a Chinese character takes two.
double TextWidth(const QString& text) {
    double width = 0;
    for (const QChar c : text) {
        width += c.unicode() >= 0x1100 ? 2.0 : 1.0;
    }
    return width;
}

// The formats a cell can take, made once for the workbook.
struct Formats {
    explicit Formats(lxw_workbook* workbook);

    // A figure of the statistics as a number, shown as the window's text shows it: "14.78%" as 0.1478 in
    // 0.00%, "6384 元" as 6384 in 0" 元". One format for each way of showing, made when first asked for.
    lxw_format* Figure(const StatisticsCell& cell);

    lxw_format* title;     // the title row: bold, centred, ruled below
    lxw_format* code;      // a text cell, centred, marked as text so that what is typed into it stays text
    lxw_format* date;      // a real date, shown yyyy-mm-dd
    lxw_format* hitCode;   // the code that was hit, in the records list's green
    lxw_format* hit;       // the verdict of a hit
    lxw_format* miss;      // the verdict of a miss
    lxw_format* caption;   // a caption of the statistics: bold
    lxw_format* value;     // a figure of the statistics that is no number (a dash): centred
    lxw_format* sentence;  // a sentence: wrapped, at the top

private:
    lxw_workbook* book;
    std::map<std::string, lxw_format*> figures;  // by number format
};

lxw_format* CentredText(lxw_workbook* book) {
    lxw_format* format = workbook_add_format(book);
    format_set_num_format(format, "@");
    format_set_align(format, LXW_ALIGN_CENTER);
    return format;
}

lxw_format* Coloured(lxw_workbook* book, RecordColumns::Rgb rgb) {
    lxw_format* format = CentredText(book);
    format_set_font_color(format, Colour(rgb));
    return format;
}

Formats::Formats(lxw_workbook* workbook)
    : title(workbook_add_format(workbook)),
      code(CentredText(workbook)),
      date(workbook_add_format(workbook)),
      hitCode(Coloured(workbook, RecordColumns::kHitCodeColour)),
      hit(Coloured(workbook, RecordColumns::kHitVerdictColour)),
      miss(Coloured(workbook, RecordColumns::kMissColour)),
      caption(workbook_add_format(workbook)),
      value(workbook_add_format(workbook)),
      sentence(workbook_add_format(workbook)),
      book(workbook) {
    format_set_bold(title);
    format_set_align(title, LXW_ALIGN_CENTER);
    format_set_bottom(title, LXW_BORDER_THIN);
    format_set_num_format(date, "yyyy-mm-dd");
    format_set_align(date, LXW_ALIGN_CENTER);
    format_set_bold(caption);
    format_set_align(value, LXW_ALIGN_CENTER);
    format_set_text_wrap(sentence);
    format_set_align(sentence, LXW_ALIGN_VERTICAL_TOP);
}

lxw_format* Formats::Figure(const StatisticsCell& cell) {
    std::string shown = "0";
    if (cell.decimals > 0) {
        shown += "." + std::string(static_cast<std::size_t>(cell.decimals), '0');
    }
    if (cell.percent) {
        shown += "%";
    }
    if (!cell.unit.isEmpty()) {
        shown += "\" " + cell.unit.toStdString() + "\"";  // 0" 元": the unit as literal text
    }
    lxw_format*& format = figures[shown];
    if (format == nullptr) {
        format = workbook_add_format(book);
        format_set_num_format(format, shown.c_str());
        format_set_align(format, LXW_ALIGN_CENTER);
    }
    return format;
}

// The library tells standard error of its failures, in English; the program says them in its own words.
class QuietStandardError {
public:
    QuietStandardError() : saved(::dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && null >= 0) {
            ::dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved >= 0) {
            ::dup2(saved, STDERR_FILENO);
            ::close(saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved;
};

// Remembers the first failure of a run of writes.
struct Writes {
    lxw_error first = LXW_NO_ERROR;
    void operator+=(lxw_error error) { first = first == LXW_NO_ERROR ? error : first; }
};

// A date the spreadsheet can hold as a date (from 1900 on); any other as the text the CSV has.
lxw_error WriteDate(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const COleDateTime& date,
                    const Formats& formats) {
    const int year = date.GetYear();
    if (year < 1900 || year > 9999) {
        return worksheet_write_string(sheet, row, column, IsoDateText(date).c_str(), formats.code);
    }
    lxw_datetime day{year, date.GetMonth(), date.GetDay(), 0, 0, 0.0};
    return worksheet_write_datetime(sheet, row, column, &day, formats.date);
}

lxw_format* CellFormat(const HistoryRecord& record, const RecordColumns::Column& column,
                       const Formats& formats) {
    switch (column.value) {
        case RecordColumns::Value::code:
            return IsHit(record.is_right) && column.code == record.is_right ? formats.hitCode : formats.code;
        case RecordColumns::Value::verdict:
            return record.is_right == 0 ? formats.miss : IsHit(record.is_right) ? formats.hit : formats.code;
        case RecordColumns::Value::drawDate:
        case RecordColumns::Value::issue:
        case RecordColumns::Value::drawNumber:
            break;
    }
    return formats.code;
}

// One row per record under the title row, which stays in view and heads each printed page; each column as
// wide as its widest text. The widths are known only after the last row; the library writes them ahead of the
// rows when it closes.
lxw_error WriteRecordsSheet(lxw_worksheet* sheet, const std::vector<HistoryRecord>& records,
                            const Formats& formats) {
    Writes writes;
    std::vector<double> widths;
    constexpr auto kColumnCount = static_cast<lxw_col_t>(RecordColumns::kColumns.size());
    for (lxw_col_t column = 0; column < kColumnCount; ++column) {
        const char* title = RecordColumns::kColumns[column].title;
        writes += worksheet_write_string(sheet, 0, column, title, formats.title);
        const bool date = RecordColumns::kColumns[column].value == RecordColumns::Value::drawDate;
        widths.push_back(std::max(TextWidth(QString::fromUtf8(title)) + 2, date ? kDateWidth : 0.0));
    }
    lxw_row_t row = 1;
    for (const HistoryRecord& record : records) {
        for (lxw_col_t column = 0; column < kColumnCount; ++column) {
            const RecordColumns::Column& kind = RecordColumns::kColumns[column];
            if (kind.value == RecordColumns::Value::drawDate) {
                writes += WriteDate(sheet, row, column, record.record_date, formats);
                continue;
            }
            const std::string text = CellText(RecordColumnText(record, kind));
            writes +=
                worksheet_write_string(sheet, row, column, text.c_str(), CellFormat(record, kind, formats));
            widths[column] = std::max(widths[column], TextWidth(QString::fromStdString(text)) + 2);
        }
        ++row;
    }
    for (lxw_col_t column = 0; column < kColumnCount; ++column) {
        writes +=
            worksheet_set_column(sheet, column, column, std::min(widths[column], kWidestColumn), nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    // On paper: the twelve columns across one landscape page, as many pages down as the records take, each
    // under the title row.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    writes += worksheet_repeat_rows(sheet, 0, 0);
    return writes.first;
}

// A table of the statistics window: its caption, its column titles, then each row's caption and cells, row
// after row from row on.
lxw_error WriteTable(lxw_worksheet* sheet, lxw_row_t& row, const StatisticsTable& table, Formats& formats) {
    Writes writes;
    if (!table.caption.isEmpty()) {
        writes += worksheet_write_string(sheet, row++, 0, CellText(table.caption).c_str(), formats.caption);
    }
    if (!table.columns.isEmpty()) {
        lxw_col_t column = 1;
        for (const QString& title : table.columns) {
            writes += worksheet_write_string(sheet, row, column++, CellText(title).c_str(), formats.title);
        }
        ++row;
    }
    for (const StatisticsTable::Row& line : table.rows) {
        writes += worksheet_write_string(sheet, row, 0, CellText(line.caption).c_str(), formats.caption);
        lxw_col_t column = 1;
        for (const StatisticsCell& cell : line.cells) {
            writes +=
                cell.number
                    ? worksheet_write_number(sheet, row, column, *cell.number, formats.Figure(cell))
                    : worksheet_write_string(sheet, row, column, CellText(cell.text).c_str(), formats.value);
            ++column;
        }
        ++row;
    }
    return writes.first;
}

// A sentence across the sheet's width, its row as high as its wrapped lines.
lxw_error WriteSentence(lxw_worksheet* sheet, lxw_row_t row, const QString& sentence, double width,
                        const Formats& formats) {
    Writes writes;
    const double lines = std::max(1.0, std::ceil(TextWidth(sentence) / (width * 0.9)));
    writes += worksheet_set_row(sheet, row, LXW_DEF_ROW_HEIGHT * lines, nullptr);
    writes += worksheet_merge_range(sheet, row, 0, row, kSentenceColumns - 1, CellText(sentence).c_str(),
                                    formats.sentence);
    return writes.first;
}

lxw_error WriteStatisticsSheet(lxw_worksheet* sheet, const WorkbookStatistics& statistics, Formats& formats) {
    Writes writes;
    constexpr double kCaptionWidth = 18;
    constexpr double kValueWidth = 10;
    writes += worksheet_set_column(sheet, 0, 0, kCaptionWidth, nullptr);
    writes += worksheet_set_column(sheet, 1, kSentenceColumns - 1, kValueWidth, nullptr);
    // On paper: the eight code positions and the sentences across one landscape page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    writes += worksheet_write_string(sheet, 0, 0, "预测统计", formats.caption);
    writes += worksheet_write_string(sheet, 1, 0, CellText(statistics.scope).c_str(), nullptr);
    writes += worksheet_write_string(sheet, 2, 0, CellText(statistics.prices).c_str(), nullptr);
    lxw_row_t row = 4;
    for (const StatisticsTable& table : statistics.tables) {
        writes += WriteTable(sheet, row, table, formats);
        ++row;
    }
    const double width = kCaptionWidth + kValueWidth * (kSentenceColumns - 1);
    for (const QString& sentence : statistics.sentence.split(u'\n')) {
        writes += WriteSentence(sheet, row++, sentence, width, formats);
    }
    return writes.first;
}

}  // namespace

int WriteRecordsWorkbook(const std::string& path, const std::vector<HistoryRecord>& records,
                         const WorkbookStatistics& statistics) {
    const QuietStandardError quiet;
    // Years of records are hundreds of thousands of cells: each row goes to the library's temporary file as
    // the next one starts, instead of every cell staying in memory until the close. Rows must then come in
    // order, top to bottom, as both sheets write them; strings are written inline in their cells.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (book == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    Formats formats(book);
    Writes writes;
    lxw_worksheet* recordsSheet = workbook_add_worksheet(book, "预测记录");
    lxw_worksheet* statisticsSheet = workbook_add_worksheet(book, "统计");
    writes +=
        recordsSheet != nullptr && statisticsSheet != nullptr ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    if (writes.first == LXW_NO_ERROR) {
        writes += WriteRecordsSheet(recordsSheet, records, formats);
        writes += WriteStatisticsSheet(statisticsSheet, statistics, formats);
    }
    errno = 0;
    writes += workbook_close(book);  // writes the file, and frees the workbook whatever happened before
    return writes.first == LXW_NO_ERROR ? 0 : errno != 0 ? errno : EIO;
}
