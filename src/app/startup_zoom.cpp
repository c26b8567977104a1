// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_zoom.h"

#include "platform/program_files.h"
#include "platform/screen_facts.h"
#include "platform/zoom_choice.h"
#include "translations/translations.h"
#include "ui/main_window/artwork.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <array>
#include <cstdio>

namespace zantaro {

namespace {

constexpr double LargestZoom = 8.0;

// Qt fixes its scale factor when the application starts, so a short-lived application of its own
// reads the screen first.
double zoomForPrimaryScreen(int& argc, char** argv)
{
    const QGuiApplication probe(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const QString directory = programDirectory();
    const int depth = screen->depth();
    std::array<int, 3> heights{-1, -1, -1};
    const auto drawnHeight = [&](int logicalWidth) {
        int& height = heights[static_cast<std::size_t>(sizeBandOf(logicalWidth))];
        if (height < 0)
            height = drawnHeightFor(directory, ScreenFacts{logicalWidth, 0, depth, 96});
        return height;
    };
    return chooseZoom(screen->availableGeometry().size(), FrameAllowance, drawnHeight);
}

// The game's description and its one option of its own, in the player's language once the
// translations are installed. Qt's own options, such as -platform, are single-dash words; they
// are left to Qt.
QCommandLineOption addZoomOption(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("StartUp", "Zantaro Slots, a casino slot machine."));
    QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QCoreApplication::translate(
            "StartUp", "Draws the game FACTOR times its own pixel size (1 to 8; 1 is the original size). "
                       "Without it the game picks the zoom that fills the screen."),
        QCoreApplication::translate("StartUp", "FACTOR"));
    parser.addOption(zoom);
    return zoom;
}

} // namespace

std::optional<int> prepareZoom(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption zoomOption = addZoomOption(parser);
    parser.parse(arguments);

    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The texts in the player's language, read once an application can hold the translations.
        QCoreApplication application(argc, argv);
        installTranslations(application);
        QCommandLineParser translated;
        translated.addHelpOption();
        addZoomOption(translated);
        std::fputs(qPrintable(translated.helpText()), stdout);
        return 0;
    }
    double zoom = 1.0;
    if (parser.isSet(zoomOption)) {
        bool valid = false;
        zoom = parser.value(zoomOption).toDouble(&valid);
        if (!valid || !(zoom >= 1.0 && zoom <= LargestZoom)) {
            QCoreApplication application(argc, argv);
            installTranslations(application);
            std::fprintf(stderr, "zantaro: %s\n",
                         qPrintable(QCoreApplication::translate(
                                        "StartUp", "--zoom wants a number from 1 to 8, not \"%1\"")
                                        .arg(parser.value(zoomOption))));
            return 2;
        }
    } else {
        zoom = zoomForPrimaryScreen(argc, argv);
    }
    // A scale the desktop already asks of Qt multiplies with the zoom.
    bool desktopGiven = false;
    const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&desktopGiven);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((desktopGiven && desktop > 0 ? desktop : 1.0) * zoom));
    return std::nullopt;
}

} // namespace zantaro
