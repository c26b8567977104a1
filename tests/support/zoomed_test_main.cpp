// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test executable's window tests in one offscreen QApplication drawn at the zoom its build
// names in ZANTARO_TEST_ZOOM: 1.5, the way the program starts on a 1920 x 1080 screen, or 2, a
// screen of twice the density.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", ZANTARO_TEST_ZOOM);
    const QTemporaryDir runtimeDirectory;
    qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
