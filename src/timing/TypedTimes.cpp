// Times typed into the start box and the finish box. A text that does not read gives no value, so the
// caller keeps the stored time as it was.
#include "DateTimeReader.h"
#include "RaceTime.h"

namespace timing {

// Only the time of day of the typed text counts (the box shows "07-05  14:05:09" after a registration);
// the day comes from the date text in front.
std::optional<DateTime> typedFinishTime(const QString& datePrefix, const QString& typed) {
    const auto moment = detail::readDateTimeText(typed);
    if (!moment) return std::nullopt;
    const QString clock = clockText(toOleDate({1899, 12, 30, moment->hour, moment->minute, moment->second}));
    const QString separator = datePrefix.endsWith(QLatin1Char(' ')) ? QString() : QStringLiteral(" ");
    return typedStartTime(datePrefix + separator + clock);
}

// A date alone is that day at 00:00:00.
std::optional<DateTime> typedStartTime(const QString& typed) {
    const auto t = detail::readCalendarTime(typed);
    if (!t) return std::nullopt;
    return toOleDate(*t);
}

} // namespace timing
