#pragma once
// Day and month names as the Swedish regional settings give them, lower case. The desk never asks the
// machine's locale, so every machine shows the same names.
#include <QString>

namespace timing::detail {

QString monthName(int month);         // 1..12: "januari"
QString monthAbbreviation(int month); // 1..12: "jan"
QString weekdayName(int weekday);     // 0 = Monday .. 6 = Sunday: "måndag"

} // namespace timing::detail
