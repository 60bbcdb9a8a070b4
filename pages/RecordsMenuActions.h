#pragma once
// What the records list's menu does besides removing records: 统计 opens the statistics window, 导出为 CSV…
// and 导出为 Excel 表格… write the records to a file the user picks, 导入开奖号码… enters the draws of a file
// the user picks. The command line does the same exports and import without a window.
class QWidget;

void OpenStatistics(QWidget* parent);
void ExportRecordsFromMenu(QWidget* parent);
void ExportWorkbookFromMenu(QWidget* parent);
// True when draws went in, so the records list must be filled again.
bool ImportDrawsFromMenu(QWidget* parent);
