// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts in the program's language: the 确定 of every message box, the 撤消/复制/粘贴 menu of every
// text box and of the help viewer. The program speaks Chinese whatever the desktop's language, so these
// follow it rather than the locale of the session.

// Loads Qt's Chinese translations (qtbase_zh_CN.qm from Qt's translations folder) into the running
// application, once; later calls find them installed. Returns false when the file is not there: the texts
// then stay English.
bool InstallChineseTranslations();
