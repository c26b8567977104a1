// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test executable's window tests in one offscreen QApplication, drawn at ZANTARO_TEST_ZOOM
// when the executable is built with one, on a screen of ZANTARO_TEST_SCREEN_WIDTH x
// ZANTARO_TEST_SCREEN_HEIGHT pixels when it is built with those (otherwise Qt's 800 x 800).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Qt wants a private runtime directory; a temporary one is made with the right permissions.
    const QTemporaryDir runtimeDirectory;
    qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ZANTARO_TEST_ZOOM
    qputenv("QT_SCALE_FACTOR", ZANTARO_TEST_ZOOM);
#endif
#ifdef ZANTARO_TEST_SCREEN_WIDTH
    QFile screens(runtimeDirectory.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly))
        return 1;
    screens.write(QStringLiteral(R"({"screens":[{"name":"test","x":0,"y":0,"width":%1,"height":%2,)"
                                 R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                      .arg(ZANTARO_TEST_SCREEN_WIDTH)
                      .arg(ZANTARO_TEST_SCREEN_HEIGHT)
                      .toUtf8());
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
#endif
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
