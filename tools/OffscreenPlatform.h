// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs that run without a display — the art generator, the GUI tests, the benchmarks and the tour —
// draw on Qt's offscreen platform, and Qt wants a private runtime directory, which build and CI machines
// often lack.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// Call before the application object is made; runtimeDir must outlive it. Settings already in the environment
// are kept, so the same program can still be pointed at a real display.
inline void UseOffscreenPlatform(const QTemporaryDir& runtimeDir) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    }
}
