// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a PDF file as a reader finds it: pdftotext (poppler-utils), page by page in reading order, in
// Unicode's compatibility form (NFKC). Qt's PDF writer names a CJK glyph by the first character the font maps
// to it, and the CJK fonts map the Kangxi radicals (U+2F00 ..) to the glyphs of the ideographs they look
// like: 日 reads back as ⽇, which NFKC folds back to 日. Empty when the file is no PDF pdftotext can read.
#include <QProcess>
#include <QString>
#include <QStringList>

inline QString PdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        return {};
    }
    QString text;
    for (const QChar c : QString::fromUtf8(pdftotext.readAllStandardOutput())) {
        const bool radical = c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF;
        text += radical ? QString(c).normalized(QString::NormalizationForm_KC) : QString(c);
    }
    return text;
}
