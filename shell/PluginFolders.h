// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's plugins are looked for: the sound output (morvint_sound.so), the workbook writer
// (morvint_workbook.so) and the print preview (morvint_print.so). Each is loaded only when it is first
// needed, so that neither its libraries nor what those pull in are part of every start.
#include <QString>
#include <QStringList>

// In this order: by default the executable's folder (a portable folder, the build's bin/), then the private
// library folder of an installed program.
QStringList PluginFolders();
// Tests and tools that run from elsewhere name the build's folder here; an empty list restores the default.
void SetPluginFolders(const QStringList& folders);
// The plugin file of that name in the first folder that has one; empty if none does.
QString FindPlugin(const QString& fileName);
// The entry of that name in the plugin found by FindPlugin, loaded on the first call and kept loaded; null
// when no folder has the plugin or it lacks the entry.
QFunctionPointer PluginEntry(const QString& fileName, const char* entry);
