// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test executable's window tests in one offscreen QApplication drawn at zoom 1.5, the way
// the program starts on a 1920 x 1080 screen.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1.5");
    const QTemporaryDir runtimeDirectory;
    qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
