#include "CalendarDays.h"

#include <cmath>

namespace timing::detail {

namespace {

// 1899-12-30 counted from 0000-03-01, the origin of the era arithmetic below.
constexpr qint64 EpochFromEraOrigin = 693899;
// 0100-01-01 and 10000-01-01 as date-times: the range a date-time may take.

} // namespace

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Eras of 400 years repeat exactly; years start in March so that the leap day ends the year.
qint64 daysFromCivil(qint64 year, int month, int day) {
    const qint64 y = year - (month <= 2 ? 1 : 0);
    const qint64 era = floorDiv(y, 400);
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - EpochFromEraOrigin;
}

CivilDate civilFromDays(qint64 days) {
    const qint64 z = days + EpochFromEraOrigin;
    const qint64 era = floorDiv(z, 146097);
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// 1899-12-30 was a Saturday.
int weekdayIndex(qint64 days) {
    return static_cast<int>(((days % 7) + 7 + 5) % 7);
}

int daysInMonth(qint64 year, int month) {
    return static_cast<int>(daysFromCivil(year + (month == 12 ? 1 : 0), month % 12 + 1, 1) -
                            daysFromCivil(year, month, 1));
}

// x - floor(x) is exact in binary floating point, so the half is judged without a new rounding error.
qint64 roundHalfUp(double x) {
    const double whole = std::floor(x);
    return static_cast<qint64>(whole) + (x - whole >= 0.5 ? 1 : 0);
}

// Before 1899-12-30 the whole part counts days backwards while the fraction still counts the time of day
// forwards: -1.25 is 1899-12-29 06:00:00.
std::optional<DayAndSecond> splitDateTime(double dateTime) {
    if (!(dateTime > FirstDay - 1.0 && dateTime < EndDay)) return std::nullopt;
    const double wholeDays = std::trunc(dateTime);
    qint64 second = roundHalfUp(std::fabs(dateTime - wholeDays) * SecondsPerDay);
    qint64 day = static_cast<qint64>(wholeDays);
    if (second >= SecondsPerDay) {
        second -= SecondsPerDay;
        ++day;
    }
    return DayAndSecond{day, static_cast<int>(second)};
}

} // namespace timing::detail
