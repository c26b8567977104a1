#include "clock.h"

#include <QDate>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace zantaro {

SystemClock::SystemClock()
{
    m_elapsed.start();
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

void SystemClock::waitUntil(std::chrono::milliseconds deadline)
{
    for (auto now = tickCount(); now < deadline; now = tickCount()) {
        QEventLoop loop;
        QTimer::singleShot(deadline - now, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace zantaro
