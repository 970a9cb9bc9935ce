// Calendar times to date-times and back, and the time stamps and sailed times built on them.
#include "CalendarDays.h"
#include "RaceTime.h"

namespace timing {

using detail::floorDiv;
using detail::SecondsPerDay;

namespace {

// A count of seconds since 1899-12-30 00:00:00 as a date-time, with the backwards day count before it.
DateTime fromSeconds(qint64 seconds) {
    if (seconds >= 0) return static_cast<double>(seconds) / SecondsPerDay;
    const qint64 day = floorDiv(seconds, SecondsPerDay);
    const qint64 secondOfDay = seconds - day * SecondsPerDay;
    return static_cast<double>(day * SecondsPerDay - secondOfDay) / SecondsPerDay;
}

} // namespace

// Months and times out of their range carry over, so 2003-13-01 is 2004-01-01 and 25:00 the next day.
DateTime toOleDate(const CalendarTime& t) {
    const qint64 monthIndex = static_cast<qint64>(t.month) - 1;
    const qint64 yearCarry = floorDiv(monthIndex, 12);
    const int month = static_cast<int>(monthIndex - yearCarry * 12) + 1;
    const qint64 days =
        detail::daysFromCivil(t.year + yearCarry, month, 1) + (static_cast<qint64>(t.day) - 1);
    const qint64 seconds = static_cast<qint64>(t.hour) * 3600 + static_cast<qint64>(t.minute) * 60 + t.second;
    return fromSeconds(days * SecondsPerDay + seconds);
}

// A date-time that no calendar day of the years 100 to 9999 holds gives 1899-12-30 00:00:00, the time not
// set.
CalendarTime fromOleDate(DateTime d) {
    const auto split = detail::splitDateTime(d);
    if (!split) return {};
    const detail::CivilDate date = detail::civilFromDays(split->day);
    return {static_cast<int>(date.year), date.month,        date.day, split->second / 3600,
            split->second / 60 % 60,     split->second % 60};
}

DateTime timeStamp(const CalendarTime& clockReading) {
    return toOleDate(clockReading);
}

DateTime timeStamp(const QDateTime& clockReading) {
    if (!clockReading.isValid()) return 0;
    const QDate date = clockReading.date();
    const QTime time = clockReading.time();
    return toOleDate({date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()});
}

Duration sailedTime(DateTime finish, DateTime start) {
    return finish - start;
}

} // namespace timing
