// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows file formats the art tool writes (bitmaps, wave sound) store their numbers little-endian:
// low byte first, whatever the machine.
#include <QByteArray>
#include <QtGlobal>

inline void PutU16(QByteArray& out, quint32 value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

inline void PutU32(QByteArray& out, quint32 value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}
