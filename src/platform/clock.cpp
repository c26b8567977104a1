// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

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

} // namespace zantaro
