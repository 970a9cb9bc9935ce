// Duration texts and the corrected-time keys that rank the finished boats.
#include "CalendarDays.h"
#include "RaceTime.h"

#include <cmath>

namespace timing {

namespace {

// Past this many days the hour count no longer fits a 64-bit integer; no race lasts that long.
constexpr double LongestDuration = 1e17;

QString twoDigits(qint64 n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

// The hours come from the floor of the day count and the minutes and seconds from the time of day, so
// -0.26 days reads -7:45:36. An exact half second rounds up: a boat is never shown faster than it sailed.
// NaN, infinities and absurdly long durations give an empty text.
QString TidText(Duration v) {
    if (!(std::fabs(v) < LongestDuration)) return {};
    double days = std::floor(v);
    qint64 second = detail::roundHalfUp((v - days) * detail::SecondsPerDay);
    if (second >= detail::SecondsPerDay) {
        second -= detail::SecondsPerDay;
        days += 1;
    }
    const qint64 hours = static_cast<qint64>(days) * 24 + second / 3600;
    return QString::number(hours) + QLatin1Char(':') + twoDigits(second / 60 % 60) + QLatin1Char(':') +
           twoDigits(second % 60);
}

QString TidSkillnad(DateTime later, DateTime earlier) {
    return TidText(later - earlier);
}

QString korrTidKey(const QString& tidText) {
    QString key = tidText;
    key.remove(QLatin1Char(':'));
    return key.rightJustified(8, QLatin1Char('0'));
}

} // namespace timing
