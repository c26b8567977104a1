// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test executable's window tests in one offscreen QApplication, drawn at ZANTARO_TEST_ZOOM
// when the executable is built with one.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ZANTARO_TEST_ZOOM
    qputenv("QT_SCALE_FACTOR", ZANTARO_TEST_ZOOM);
#endif
    // Qt wants a private runtime directory; a temporary one is made with the right permissions.
    const QTemporaryDir runtimeDirectory;
    qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
