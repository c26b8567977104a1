// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application titled "Zantaro Slots", one copy per settings directory, its
// main window, the message loop, and an orderly close on logout, shutdown and Ctrl+C.
#include "app/startup_zoom.h"
#include "platform/clock.h"
#include "platform/program_files.h"
#include "platform/screen_facts.h"
#include "platform/single_instance.h"
#include "platform/sound_player.h"
#include "platform/termination_signals.h"
#include "translations/translations.h"
#include "ui/main_window/hint_style.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

int main(int argc, char** argv)
{
    if (const std::optional<int> exitCode = zantaro::prepareZoom(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zantaro Slots"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zantaro.Slots"));
    QApplication::setStyle(new zantaro::HintStyle);
    zantaro::installTranslations(application);

    const QString settings = zantaro::settingsDirectory();
    zantaro::SingleInstance instance(settings);
    if (!instance.isFirst())
        return instance.activateFirstCopy() ? 0 : 1;

    zantaro::SystemClock clock;
    const QString directory = zantaro::programDirectory();
    zantaro::QtSoundPlayer sound(directory);
    zantaro::MainWindow window({clock, sound, zantaro::primaryScreenFacts(), directory, settings});
    instance.onActivationRequest([&window] { window.bringToFront(); });
    const zantaro::TerminationSignals terminations([&window](int) { window.closeWithoutQuestions(); });
    QObject::connect(
        &application, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager&) { window.storeForSessionEnd(); }, Qt::DirectConnection);

    if (!window.artworkComplete())
        QMessageBox::information(
            nullptr, QCoreApplication::translate("zantaro::MainWindow", "Zantaro Slots"),
            QCoreApplication::translate("zantaro::MainWindow", zantaro::MissingArtworkMessage));
    window.show();
    return QApplication::exec();
}
