#pragma once
// Whole-day arithmetic behind the date-times: days counted from 1899-12-30 on the proleptic Gregorian
// calendar, done with integers so that no locale, time zone or daylight-saving rule can enter.
#include <QtGlobal>
#include <optional>

namespace timing::detail {

constexpr qint64 SecondsPerDay = 86400;
// The usable date range: 0100-01-01 up to, not including, 10000-01-01.
constexpr double FirstDay = -657434.0;
constexpr double EndDay = 2958466.0;

struct CivilDate {
    qint64 year = 1899;
    int month = 12;
    int day = 30;
};

// Division rounding towards minus infinity, for day and month counts before their origin.
qint64 floorDiv(qint64 a, qint64 b);

// Days since 1899-12-30 of a date with month 1..12; the day may run past the month's end.
qint64 daysFromCivil(qint64 year, int month, int day);
CivilDate civilFromDays(qint64 days);
// 0 = Monday .. 6 = Sunday.
int weekdayIndex(qint64 days);
int daysInMonth(qint64 year, int month);

// Nearest whole number, an exact half going up (the later second).
qint64 roundHalfUp(double x);

// A date-time as its calendar day and second of the day, rounded to the nearest second with the carry into
// the next day. No value for NaN, infinities and dates outside the years 100 to 9999.
struct DayAndSecond {
    qint64 day = 0;
    int second = 0;
};
std::optional<DayAndSecond> splitDateTime(double dateTime);

} // namespace timing::detail
