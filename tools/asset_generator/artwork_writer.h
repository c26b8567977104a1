// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the generated pictures and sounds in the formats the game reads, and remembers failures.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

namespace zantaro::assets {

class ArtworkWriter
{
public:
    // Files the game loads go to `outputDir`; built-in pictures under `resourceDir`.
    ArtworkWriter(const QDir& outputDir, const QDir& resourceDir);

    // A 24-bit BMP beside the programs.
    void fullColour(const QImage& picture, const QString& name);
    // The 24-bit BMP and its faithful 8-bit reduction for 256-colour displays.
    void bothColourSets(const QImage& picture, const QString& fullColourName, const QString& reducedName);
    // A PNG compiled into the program, at a resource path such as "pictures/Logo.png".
    void builtIn(const QImage& picture, const QString& resourcePath);
    // Any other file beside the programs, such as a wave file.
    void rawFile(const QByteArray& contents, const QString& name);

    bool allWritten() const { return m_allWritten; }

private:
    void check(bool written, const QString& path);
    QString scaled(const QString& name) const;

    QDir m_outputDir;
    QDir m_resourceDir;
    bool m_allWritten = true;
};

} // namespace zantaro::assets
