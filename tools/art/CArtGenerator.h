// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// Writes every picture, face and sound of the program. The same build always writes the same bytes.
class CArtGenerator {
public:
    CArtGenerator(QString programFolder, QString resourceFolder, QString iconFolder);

    // Returns false, with the failing file in Errors(), if any file could not be written.
    bool Run();
    const QStringList& Errors() const { return errors; }

    // The desktop icon sizes written under <iconDir>/hicolor/<n>x<n>/apps/morvint.png.
    static const QList<int>& IconSizes();

private:
    void WriteBackgrounds();
    void WriteAnimations();
    void WriteTrigrams();
    void WriteResources();
    void WriteIcons();
    void Bmp(const QImage& image, const QString& path);
    void Png(const QImage& image, const QString& path);

    QString programDir;
    QString resourceDir;
    QString iconDir;
    QStringList errors;
};
