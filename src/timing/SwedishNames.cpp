#include "SwedishNames.h"

#include <array>

namespace timing::detail {

namespace {

struct MonthNames {
    const char* full;
    const char* abbreviated;
};

constexpr std::array<MonthNames, 12> Months{{{"januari", "jan"},
                                             {"februari", "feb"},
                                             {"mars", "mar"},
                                             {"april", "apr"},
                                             {"maj", "maj"},
                                             {"juni", "jun"},
                                             {"juli", "jul"},
                                             {"augusti", "aug"},
                                             {"september", "sep"},
                                             {"oktober", "okt"},
                                             {"november", "nov"},
                                             {"december", "dec"}}};

constexpr std::array<const char*, 7> Weekdays{"måndag", "tisdag", "onsdag", "torsdag",
                                              "fredag", "lördag", "söndag"};

const MonthNames* monthAt(int month) {
    return month >= 1 && month <= 12 ? &Months[static_cast<std::size_t>(month - 1)] : nullptr;
}

} // namespace

QString monthName(int month) {
    const MonthNames* names = monthAt(month);
    return names ? QString::fromUtf8(names->full) : QString();
}

QString monthAbbreviation(int month) {
    const MonthNames* names = monthAt(month);
    return names ? QString::fromUtf8(names->abbreviated) : QString();
}

QString weekdayName(int weekday) {
    return weekday >= 0 && weekday < 7 ? QString::fromUtf8(Weekdays[static_cast<std::size_t>(weekday)])
                                       : QString();
}

} // namespace timing::detail
