#pragma once
// Race times as plain values: a date-time is a double counting days since 1899-12-30 00:00 local time
// (the fraction is the time of day); a duration is the same double used as a day count; 0 = not set.
#include <QDateTime>
#include <QString>
#include <optional>

namespace timing {

using DateTime = double;
using Duration = double;

struct CalendarTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CalendarTime&) const = default;
};

// Calendar date and time to a date-time and back. fromOleDate rounds to the nearest whole second
// (carrying into the next day at midnight) and works for negative date-times too.
DateTime toOleDate(const CalendarTime& t);
CalendarTime fromOleDate(DateTime d);

// The time stamp of a start or finish from a clock reading: whole seconds, nothing finer kept.
DateTime timeStamp(const CalendarTime& clockReading);
DateTime timeStamp(const QDateTime& clockReading); // an invalid reading gives 0

Duration sailedTime(DateTime finish, DateTime start);

// The rating as the participant panel shows it, three decimals with a decimal comma ("1,045", "0,950").
QString lysTalText(float lysTal);
// A LYS text read back as a single; a comma or a point is the decimal separator. No value when the
// text is not a number.
std::optional<float> readLysTal(const QString& text);
// Corrected time = sailed time x the rating as it reads back through its three-decimal text
// (a stored 1.0574 acts as 1,057). A rating of 0 gives 0.
Duration correctedTime(Duration sailed, float lysTal);

// A finish, sailed or corrected time that can be shown and ranked: a finite number that rounds to a whole
// second of at least 0 and lies before the end of the usable date range (the year 10000). Anything else
// (NaN, infinities, negative or huge values, as a damaged record or a finish before the start gives) is a
// damaged time: it shows as an empty text and ranks after every real time.
bool isUsableTime(double v);

// Duration text: hours without padding, then two-digit minutes and seconds (1:05:09, 36:00:00), rounded to
// the whole second with the carry into the next hour/day. A damaged time gives an empty text.
QString TidText(Duration v);
QString TidSkillnad(DateTime later, DateTime earlier);

// Formats a date-time with one of the desk's patterns: "hh:mm:ss", "yyyy-mm-dd", "yyyy-mm-dd hh:mm:ss",
// "mm-dd  hh:mm:ss", "yyyy-mm-dd    hh:mm:ss", "yyyy-mm-dd ", "dddd d mmmm yyyy", "mmm-dd".
// Day and month names are Swedish and lower case, as the regional settings give them.
QString formatDate(DateTime d, const QString& pattern);
QString clockText(DateTime d); // "hh:mm:ss"
QString dateText(DateTime d);  // "yyyy-mm-dd"
// Every word given a capital first letter and the rest lower case ("lördag 5 juli 2003" -> "Lördag 5 Juli
// 2003").
QString properCase(const QString& text);
// "dddd d mmmm yyyy" with proper case, as the window captions show a start date.
QString captionDate(DateTime d);
// A "yyyy-mm-dd" text reformatted as "mmm-dd" ("2003-07-05" -> "jul-05"); empty or unreadable gives "".
QString monthDayText(const QString& dateText);

// A typed finish time: the typed text normalised to its time of day, put after the date text and one
// space. datePrefix is either a "yyyy-mm-dd" text (a single space is added) or "yyyy-mm-dd " (ends in
// the space already). No value when the typed text does not read as a time.
std::optional<DateTime> typedFinishTime(const QString& datePrefix, const QString& typed);
// A typed start time: date and time with any run of spaces between; a time alone is that time on
// 1899-12-30. No value when the text does not read.
std::optional<DateTime> typedStartTime(const QString& typed);

// Ranking key of a corrected-time text: every ":" removed, left-padded with "0" to 8 characters. A text
// that is not a duration text (empty, as a damaged time shows, or with a sign) gives the key that sorts
// after every real key, as plain text (std::less) and by base::compareSwedish alike.
QString korrTidKey(const QString& tidText);
// The ranking key of a corrected time: korrTidKey of its TidText.
QString rankingKey(Duration korrigeradTid);

} // namespace timing
