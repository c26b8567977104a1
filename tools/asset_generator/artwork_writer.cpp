// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork_writer.h"

#include "game/picture_names.h"
#include "paint_kit.h"
#include "palette_reduction.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace zantaro::assets {

ArtworkWriter::ArtworkWriter(const QDir& outputDir, const QDir& resourceDir)
    : m_outputDir(outputDir), m_resourceDir(resourceDir)
{
}

void ArtworkWriter::fullColour(const QImage& picture, const QString& name)
{
    const QString path = m_outputDir.filePath(scaled(name));
    // RGB32 is written as a 24-bit BMP; an alpha channel would make it 32-bit.
    check(picture.convertToFormat(QImage::Format_RGB32).save(path, "BMP"), path);
}

void ArtworkWriter::bothColourSets(const QImage& picture, const QString& fullColourName,
                                   const QString& reducedName)
{
    fullColour(picture, fullColourName);
    const QString path = m_outputDir.filePath(scaled(reducedName));
    check(reducedTo256Colours(picture).save(path, "BMP"), path);
}

void ArtworkWriter::builtIn(const QImage& picture, const QString& resourcePath)
{
    const QString path = m_resourceDir.filePath(scaled(resourcePath));
    m_resourceDir.mkpath(QFileInfo(resourcePath).path());
    check(picture.save(path, "PNG"), path);
}

void ArtworkWriter::rawFile(const QByteArray& contents, const QString& name)
{
    const QString path = m_outputDir.filePath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size(), path);
}

QString ArtworkWriter::scaled(const QString& name) const
{
    // Pictures drawn at a larger scale carry it in their names ("@2x", "@3x").
    return QString::fromStdString(scaledPictureName(name.toStdString(), drawingScale()));
}

void ArtworkWriter::check(bool written, const QString& path)
{
    if (!written) {
        std::fprintf(stderr, "zantaro-assets: cannot write %s\n", qPrintable(path));
        m_allWritten = false;
    }
}

} // namespace zantaro::assets
