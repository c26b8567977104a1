// SPDX-License-Identifier: GPL-3.0-or-later
// zantaro-window-bench: measures the real main window on the real clock - start to first painted
// frame, the frame intervals and CPU time of one spin, CPU time of an idle window, resident memory,
// the store of a full history after a spin and the opening of the history window over it.
// Run it under a display (make bench uses Xvfb at several screen sizes); it picks its zoom as the
// game does, so each screen size is measured as a player would see it. With --fullscreen the
// window fills the screen, as F11 makes it, before it is measured.
#include "app/startup_zoom.h"
#include "platform/atomic_file_access.h"
#include "platform/clock.h"
#include "platform/history_file.h"
#include "platform/program_files.h"
#include "platform/screen_facts.h"
#include "platform/sound_player.h"
#include "ui/history/history_window.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// A spin played in the window at its own pace; the event loop idles between its frames.
void playSpin(zantaro::MainWindow& window)
{
    window.game().requestSpin();
    while (window.game().isSpinRequestRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The system clock, noting when each wake-up for a 25 ms frame comes. The reseeds read a time of day the
// benchmark sets, so each spin it measures has a known outcome.
class FrameTimingClock : public zantaro::SystemClock
{
public:
    std::vector<double> frameEnds;
    std::int64_t timeOfDay = 0;
    std::int64_t millisecondsSinceMidnightUtc() override { return timeOfDay; }
    void callAt(std::chrono::milliseconds deadline, std::function<void()> act) override
    {
        const bool frame = deadline - tickCount() <= std::chrono::milliseconds(25);
        SystemClock::callAt(deadline, [this, frame, act = std::move(act)] {
            if (frame)
                frameEnds.push_back(m_precise.nsecsElapsed() / 1e6);
            act();
        });
    }

private:
    QElapsedTimer m_precise = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
};

// Notes the first paint of the window.
class FirstPaintFilter : public QObject
{
public:
    qint64 firstPaintMs = -1;
    QElapsedTimer sinceStart;
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && firstPaintMs < 0)
            firstPaintMs = sinceStart.elapsed();
        return QObject::eventFilter(object, event);
    }
};

// Times of day whose reseeds make the first spin of a new game win on two lines and the second
// lose.
constexpr std::int64_t WinningSpinClock = 11000;
constexpr std::int64_t LosingSpinClock = 2000;

double idleCpuSeconds()
{
    const double start = cpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(std::chrono::seconds(5), &idle, &QEventLoop::quit);
    idle.exec();
    return cpuSeconds() - start;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// The longest history a game keeps: ten recalls with every kind of event and a full chart.
zantaro::GameHistory fullHistory()
{
    using namespace zantaro;
    GameHistory history;
    for (std::int32_t spin = 0; spin < static_cast<std::int32_t>(GameHistory::ChartLength); ++spin)
        history.record({.clockValue = 36'000'000 + 3'000 * spin,
                        .freeSpin = spin % 40 > 36,
                        .linesPlayed = 8,
                        .coinsPerLine = 8,
                        .bet = spin % 40 > 36 ? 0 : 64,
                        .bonusLamp = spin % 8,
                        .symbols = {3, 3, 3, 1, 1, 1, 0, 7, 2},
                        .linePays = {160, 400, 0, 0, 8, 0, 16, 0},
                        .events = {{SpinEventKind::DoublePayoff, 0},
                                   {SpinEventKind::BellLine, 1},
                                   {SpinEventKind::FruitLine, 5},
                                   {SpinEventKind::BellPoolWon, 250},
                                   {SpinEventKind::FruitRefill, 3}},
                        .doubleOrNothingPlayed = true,
                        .doubleOrNothingStake = 834,
                        .doubleOrNothingResult = 1668,
                        .winnings = 1668,
                        .creditsAfter = 100'000 + 37 * (spin % 97) - 21 * (spin % 13)});
    return history;
}

struct StoreTimes
{
    double spinWaitMedian, spinWaitMax; // what the spin waits for: the hand-over to the writer
    double onDiskMedian;                // until the file is replaced and synced
};

// 100 stores of the history, as 100 paid spins would store it.
StoreTimes historyStoreTimes(const zantaro::GameHistory& history, const QString& directory)
{
    zantaro::AtomicFileAccess files;
    zantaro::HistoryFile file(files, directory + QLatin1Char('/') + QLatin1String(zantaro::HistoryFileName));
    std::vector<double> waits;
    std::vector<double> onDisk;
    for (int store = 0; store < 100; ++store) {
        QElapsedTimer timer;
        timer.start();
        file.store(history);
        waits.push_back(timer.nsecsElapsed() / 1e6);
        file.waitForStores();
        onDisk.push_back(timer.nsecsElapsed() / 1e6);
        // Spins are seconds apart: the writer is back waiting, and holds no lock, when the next comes.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {percentile(waits, 0.5), *std::max_element(waits.begin(), waits.end()), percentile(onDisk, 0.5)};
}

// Milliseconds from the window's construction until its chart has been painted.
double historyWindowOpenMs(const zantaro::GameHistory& history, const zantaro::Artwork& artwork,
                           QWidget* parent)
{
    QElapsedTimer timer;
    timer.start();
    zantaro::HistoryWindow window(
        history, artwork.symbolSheet, [](int) {}, parent);
    FirstPaintFilter paints;
    paints.sinceStart = timer;
    window.findChild<QWidget*>(QStringLiteral("CreditChart"))->installEventFilter(&paints);
    window.show();
    while (paints.firstPaintMs < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    FirstPaintFilter paints;
    paints.sinceStart.start();
    const bool fullScreen = std::find(argv + 1, argv + argc, std::string_view("--fullscreen")) != argv + argc;
    if (const std::optional<int> exitCode = zantaro::prepareZoom(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    QTemporaryDir settings;
    FrameTimingClock clock;
    const QString directory = zantaro::programDirectory();
    zantaro::QtSoundPlayer sound(directory);
    zantaro::MainWindow window({clock, sound, zantaro::primaryScreenFacts(), directory, settings.path()});
    window.installEventFilter(&paints);
    zantaro::GameState quiet = window.state();
    quiet.sound = false;
    quiet.doubleOn = false;
    quiet.payMode = false;
    window.game().open(quiet);
    window.show();
    while (paints.firstPaintMs < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 startup = paints.firstPaintMs;
    if (fullScreen) {
        window.setFullScreen(true);
        while (window.size() != window.screen()->geometry().size())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
    }

    // The first spin of the new game, on a reseed that wins two lines.
    clock.timeOfDay = WinningSpinClock;
    const double spinCpuStart = cpuSeconds();
    QElapsedTimer spinWall;
    spinWall.start();
    playSpin(window);
    const double spinCpu = cpuSeconds() - spinCpuStart;
    const double spinSeconds = spinWall.elapsed() / 1000.0;

    std::vector<double> intervals;
    for (std::size_t i = 1; i < clock.frameEnds.size(); ++i)
        intervals.push_back(clock.frameEnds[i] - clock.frameEnds[i - 1]);

    // Idle after the win: the bonus lamp blinks and the winning line flashes.
    const bool lineFlashes = window.isTimerActive(zantaro::GameTimer::LineFlash);
    const double flashingCpu = idleCpuSeconds();
    // Idle after a second spin that loses: only the bonus lamp blinks.
    clock.timeOfDay = LosingSpinClock;
    playSpin(window);
    const bool onlyTheLamp = !window.isTimerActive(zantaro::GameTimer::LineFlash) &&
                             window.isTimerActive(zantaro::GameTimer::LampBlink);
    const double idleCpu = idleCpuSeconds();

    const QScreen* screen = window.screen();
    const std::string mode =
        fullScreen ? ", full screen at " + std::to_string(window.view().scale()) + " times the window's scale"
                   : "";
    std::printf("screen %dx%d pixels, device pixel ratio %.3g, logical screen %dx%d, window %dx%d%s\n",
                qRound(screen->geometry().width() * screen->devicePixelRatio()),
                qRound(screen->geometry().height() * screen->devicePixelRatio()), screen->devicePixelRatio(),
                screen->availableGeometry().width(), screen->availableGeometry().height(), window.width(),
                window.height(), mode.c_str());
    std::printf("start to first painted frame: %.3f s (target < 0.3 s)\n", startup / 1000.0);
    std::printf(
        "frames: %zu, interval median %.2f ms (target 25 +- 1), p99 %.2f ms (target < 30), max %.2f ms\n",
        intervals.size() + 1, percentile(intervals, 0.5), percentile(intervals, 0.99),
        *std::max_element(intervals.begin(), intervals.end()));
    std::printf("spin: %.2f s wall, CPU %.1f%% of one core (target < 8%%)\n", spinSeconds,
                100.0 * spinCpu / spinSeconds);
    std::printf("idle window, %s: CPU %.2f%% of one core over 5 s (target < 0.5%%)\n",
                onlyTheLamp ? "the lamp blinking" : "NOT the lamp alone", 100.0 * idleCpu / 5.0);
    std::printf("idle window, %s: CPU %.2f%% of one core over 5 s\n",
                lineFlashes ? "the lamp blinking and a winning line flashing" : "NO line flashing",
                100.0 * flashingCpu / 5.0);
    std::printf("resident memory: %.1f MB (target < 90 MB)\n", residentKilobytes() / 1024.0);

    const zantaro::GameHistory history = fullHistory();
    const StoreTimes store = historyStoreTimes(history, settings.path());
    std::printf(
        "history store after a spin (10 recalls, 1,000 points): the spin waits median %.3f ms, max %.3f ms "
        "(target < 1 ms); on disk after %.2f ms\n",
        store.spinWaitMedian, store.spinWaitMax, store.onDiskMedian);
    std::printf("history window open with a full history: %.1f ms (target < 100 ms)\n",
                historyWindowOpenMs(history, window.artwork(), &window));
    return 0;
}
