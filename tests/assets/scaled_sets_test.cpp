// SPDX-License-Identifier: GPL-3.0-or-later
// The 2x and 3x sets: every picture file beside the program and every built-in picture of the
// main window, its dialogs and the two double-or-nothing games exists at exactly twice and three
// times its 1x size.
#include "assets/generated_files.h"
#include "game/picture_names.h"
#include "resources/built_in_pictures.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

void expectScaledSets(const QString& plainPath)
{
    SCOPED_TRACE(plainPath.toStdString());
    const QSize plain = QImageReader(plainPath).size();
    ASSERT_TRUE(plain.isValid());
    for (const int scale : {2, 3}) {
        const QString path = QString::fromStdString(scaledPictureName(plainPath.toStdString(), scale));
        EXPECT_EQ(QImageReader(path).size(), plain * scale) << path.toStdString();
    }
}

bool isPlainName(const QString& name)
{
    return !name.contains(QLatin1Char('@'));
}

TEST(ScaledSets, everyPictureFileHasItsTwiceAndThreeTimesSizeSets)
{
    const QDir build(generatedPath(QString()));
    int checked = 0;
    for (const QString& name : build.entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
        if (isPlainName(name)) {
            expectScaledSets(build.filePath(name));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 26);
}

TEST(ScaledSets, everyBuiltInPictureOfTheWindowsHasItsTwiceAndThreeTimesSizeSets)
{
    int checked = 0;
    for (const QString& folder : {QStringLiteral(":/pictures"), QStringLiteral(":/dialogs"),
                                  QStringLiteral(":/pyramid"), QStringLiteral(":/card_game")}) {
        QDirIterator pictures(folder);
        while (pictures.hasNext()) {
            const QString path = pictures.next();
            // The program's icon comes in sizes of its own.
            if (isPlainName(path) && !path.contains(QLatin1String("/Icon"))) {
                expectScaledSets(path);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 28);
}

} // namespace
} // namespace zantaro::testing
