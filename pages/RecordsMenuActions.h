// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the records list's menu does besides removing records: 统计 opens the statistics window, 导出为 CSV…
// and 导出为 Excel 表格… write the records to a file the user picks, 导入开奖号码… enters the draws of a file
// the user picks. The command line does the same exports and import without a window. Each works on the
// records of store, as the file holds them now.
class CPredictStore;
class QWidget;

void OpenStatistics(CPredictStore& store, QWidget* parent);
// 查看归档…: the archive as the file holds it now.
void OpenArchive(CPredictStore& store, QWidget* parent);
void ExportRecordsFromMenu(CPredictStore& store, QWidget* parent);
void ExportWorkbookFromMenu(CPredictStore& store, QWidget* parent);
// True when draws went in, so the records list must be filled again.
bool ImportDrawsFromMenu(CPredictStore& store, QWidget* parent);

// 备份数据… and 恢复数据… of the main window's menu: a backup to a file the user picks, and a restore from
// one, checked first and preceded by a safety copy. True when a restore replaced the database, so that what
// the window shows must be read again.
void BackUpFromMenu(const CPredictStore& store, QWidget* parent);
bool RestoreFromMenu(CPredictStore& store, QWidget* parent);
