#pragma once
// Reading a date and time as the desk shows them and as an operator edits them.
#include "RaceTime.h"

#include <optional>

namespace timing::detail {

struct TypedDate {
    int year = 0; // 0 when the text gives only month and day
    int month = 1;
    int day = 1;
};

struct TypedMoment {
    std::optional<TypedDate> date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "date", "time" or "date time" with any run of blanks between, blanks around ignored. A date is
// yyyy-mm-dd (years 100 to 9999) or mm-dd; a time is h:m or h:m:s, every part one or two digits.
// Dates must exist in the calendar and times lie within 0:00:00 to 23:59:59; no value otherwise.
std::optional<TypedMoment> readDateTimeText(const QString& text);

// The same text as a calendar time; a time alone is that time on 1899-12-30, and a date without a year
// does not read.
std::optional<CalendarTime> readCalendarTime(const QString& text);

} // namespace timing::detail
