// SPDX-License-Identifier: GPL-3.0-or-later
#include "generated_files.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdlib>

namespace zantaro::testing {

namespace {

QByteArray contentsOf(const QString& fileName)
{
    QFile file(generatedPath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t little32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::uint16_t little16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

QString generatedPath(const QString& fileName)
{
    return QDir(QStringLiteral(ZANTARO_BUILD_DIR)).filePath(fileName);
}

QImage generatedPicture(const QString& fileName)
{
    return QImage(generatedPath(fileName)).convertToFormat(QImage::Format_RGB32);
}

BmpHeader readBmpHeader(const QString& fileName)
{
    const QByteArray bytes = contentsOf(fileName);
    BmpHeader header;
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return header;
    header.valid = little32(bytes, 2) == std::uint32_t(bytes.size());
    header.width = int(little32(bytes, 18));
    header.height = int(little32(bytes, 22));
    header.bitsPerPixel = little16(bytes, 28);
    header.compression = int(little32(bytes, 30));
    header.paletteEntries = int(little32(bytes, 46));
    return header;
}

WaveFile readWave(const QString& fileName)
{
    const QByteArray bytes = contentsOf(fileName);
    WaveFile wave;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return wave;
    const bool sizeMatches = little32(bytes, 4) == std::uint32_t(bytes.size() - 8);
    bool haveFormat = false;
    bool haveData = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = little32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size())
            return wave;
        if (id == "fmt " && size >= 16) {
            wave.format = little16(bytes, body);
            wave.channels = little16(bytes, body + 2);
            wave.sampleRate = int(little32(bytes, body + 4));
            wave.byteRate = int(little32(bytes, body + 8));
            wave.blockAlign = little16(bytes, body + 12);
            wave.bitsPerSample = little16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            wave.dataSize = size;
            for (std::uint32_t offset = 0; offset + 1 < size; offset += 2)
                wave.samples.push_back(std::int16_t(little16(bytes, body + offset)));
            haveData = true;
        }
        at = body + size + (size % 2);
    }
    wave.riffValid = sizeMatches && haveFormat && haveData;
    return wave;
}

double meanDifference(const QImage& first, const QRect& firstArea, const QImage& second,
                      const QRect& secondArea)
{
    double total = 0;
    for (int y = 0; y < firstArea.height(); ++y) {
        for (int x = 0; x < firstArea.width(); ++x) {
            const QRgb a = first.pixel(firstArea.x() + x, firstArea.y() + y);
            const QRgb b = second.pixel(secondArea.x() + x, secondArea.y() + y);
            total +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    return total / (3.0 * firstArea.width() * firstArea.height());
}

double meanDifference(const QImage& first, const QImage& second)
{
    return meanDifference(first, first.rect(), second, second.rect());
}

double meanBrightness(const QImage& picture, const QRect& area)
{
    double total = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            total += (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3.0;
        }
    }
    return total / (area.width() * area.height());
}

} // namespace zantaro::testing
