// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QTimer>
#include <algorithm>

namespace zantaro {

SystemClock::SystemClock()
{
    m_elapsed.start();
    m_callTimer.setTimerType(Qt::PreciseTimer);
    m_callTimer.setSingleShot(true);
    QObject::connect(&m_callTimer, &QTimer::timeout, [this] {
        if (tickCount() < m_callDeadline) {
            startCallTimer();
            return;
        }
        if (const std::function<void()> act = std::exchange(m_call, nullptr))
            act();
    });
}

void SystemClock::callAt(std::chrono::milliseconds deadline, std::function<void()> act)
{
    m_callDeadline = deadline;
    m_call = std::move(act);
    startCallTimer();
}

void SystemClock::startCallTimer()
{
    m_callTimer.start(std::max(m_callDeadline - tickCount(), std::chrono::milliseconds{0}));
}

std::chrono::milliseconds SystemClock::tickCount()
{
    return std::chrono::milliseconds(m_elapsed.elapsed());
}

std::int64_t SystemClock::millisecondsSinceMidnightUtc()
{
    return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
}

CalendarDate SystemClock::today()
{
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

// The wait hands the thread to the event dispatcher directly rather than running a nested
// QEventLoop: once the application has been told to quit, a QEventLoop returns at once, and the
// wait would turn into a busy loop. A pending precise timer guarantees that the dispatcher wakes.
void SystemClock::waitUntil(std::chrono::milliseconds deadline)
{
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    for (auto now = tickCount(); now < deadline; now = tickCount()) {
        wake.start(deadline - now);
        while (wake.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace zantaro
