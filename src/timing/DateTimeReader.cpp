#include "DateTimeReader.h"

#include "CalendarDays.h"

#include <QStringList>

namespace timing::detail {

namespace {

// One to maxDigits ASCII digits and nothing else.
std::optional<int> number(const QString& text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

std::optional<TypedDate> readDate(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    const bool withYear = parts.size() == 3;
    const auto year = withYear ? number(parts[0], 4) : std::optional<int>(0);
    const auto month = number(parts[withYear ? 1 : 0], 2);
    const auto day = number(parts[withYear ? 2 : 1], 2);
    if (!year || !month || !day) return std::nullopt;
    if (withYear && (parts[0].size() != 4 || *year < 100)) return std::nullopt;
    // Without a year, 02-29 is a day that some year has.
    const int yearForLength = withYear ? *year : 2000;
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(yearForLength, *month))
        return std::nullopt;
    return TypedDate{*year, *month, *day};
}

bool readTime(const QString& text, TypedMoment& moment) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2 && parts.size() != 3) return false;
    const auto hour = number(parts[0], 2);
    const auto minute = number(parts[1], 2);
    const auto second = parts.size() == 3 ? number(parts[2], 2) : std::optional<int>(0);
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) return false;
    moment.hour = *hour;
    moment.minute = *minute;
    moment.second = *second;
    return true;
}

} // namespace

// One part is a time when it holds a colon and a date otherwise; two parts are a date and a time.
std::optional<TypedMoment> readDateTimeText(const QString& text) {
    const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 2) return std::nullopt;
    const bool hasDate = parts.size() == 2 || !parts[0].contains(QLatin1Char(':'));
    const bool hasTime = parts.size() == 2 || !hasDate;
    TypedMoment moment;
    if (hasDate && !(moment.date = readDate(parts[0]))) return std::nullopt;
    if (hasTime && !readTime(parts.back(), moment)) return std::nullopt;
    return moment;
}

std::optional<CalendarTime> readCalendarTime(const QString& text) {
    const auto moment = readDateTimeText(text);
    if (!moment || (moment->date && moment->date->year == 0)) return std::nullopt;
    CalendarTime t{};
    if (moment->date) {
        t.year = moment->date->year;
        t.month = moment->date->month;
        t.day = moment->date->day;
    }
    t.hour = moment->hour;
    t.minute = moment->minute;
    t.second = moment->second;
    return t;
}

} // namespace timing::detail
