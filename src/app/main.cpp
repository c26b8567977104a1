// The program entry: the application titled "Zantaro Slots", its main window, the message loop.
#include "app/startup_zoom.h"
#include "platform/clock.h"
#include "platform/program_files.h"
#include "platform/screen_facts.h"
#include "platform/sound_player.h"
#include "ui/main_window/hint_style.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    if (const std::optional<int> exitCode = zantaro::prepareZoom(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zantaro Slots"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zantaro.Slots"));
    QApplication::setStyle(new zantaro::HintStyle);

    zantaro::SystemClock clock;
    const QString directory = zantaro::programDirectory();
    zantaro::QtSoundPlayer sound(directory);
    zantaro::MainWindow window({clock, sound, zantaro::primaryScreenFacts(), directory, zantaro::settingsDirectory()});
    if (!window.artworkComplete())
        QMessageBox::information(nullptr, QStringLiteral("Zantaro Slots"), QString::fromLatin1(zantaro::MissingArtworkMessage));
    window.show();
    return QApplication::exec();
}
