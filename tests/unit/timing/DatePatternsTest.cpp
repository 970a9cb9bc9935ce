#include "RaceTime.h"

#include <gtest/gtest.h>

#include <cmath>

using timing::formatDate;
using timing::toOleDate;

TEST(FormatDate, EveryPatternOfTheDesk) {
    const std::pair<const char*, const char*> cases[] = {
        {"hh:mm:ss", "14:05:09"},
        {"yyyy-mm-dd hh:mm:ss", "2003-07-05 14:05:09"},
        {"mm-dd  hh:mm:ss", "07-05  14:05:09"},
        {"yyyy-mm-dd    hh:mm:ss", "2003-07-05    14:05:09"},
        {"yyyy-mm-dd ", "2003-07-05 "},
        {"dddd d mmmm yyyy", "lördag 5 juli 2003"},
        {"mmm-dd", "jul-05"},
        {"ddd yyyy", "ddd 2003"}}; // no field: kept as it stands
    for (const auto& [pattern, text] : cases)
        EXPECT_EQ(formatDate(toOleDate({2003, 7, 5, 14, 5, 9}), pattern), text) << pattern;
    EXPECT_EQ(timing::clockText(0), "00:00:00");
    EXPECT_EQ(timing::clockText(toOleDate({2003, 7, 5, 9, 3, 7}) + 0.6 / 86400), "09:03:08");
    EXPECT_EQ(timing::dateText(toOleDate({2004, 2, 29, 23, 59, 59}) + 0.7 / 86400), "2004-03-01");
    EXPECT_EQ(timing::clockText(std::nan("")), "");
    EXPECT_EQ(timing::dateText(1e12), "");
}

TEST(SwedishNames, WeekdaysAndMonthsFullAndAbbreviated) {
    const QStringList days{"måndag", "tisdag", "onsdag", "torsdag", "fredag", "lördag", "söndag"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(formatDate(toOleDate({2003, 6, 30 + i, 0, 0, 0}), "dddd"), days[i]);
    const QStringList months{"januari", "februari", "mars",      "april",   "maj",      "juni",
                             "juli",    "augusti",  "september", "oktober", "november", "december"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(formatDate(toOleDate({2003, m, 1, 0, 0, 0}), "mmmm"), months[m - 1]);
        EXPECT_EQ(formatDate(toOleDate({2003, m, 1, 0, 0, 0}), "mmm"), months[m - 1].left(3));
    }
    EXPECT_EQ(timing::captionDate(toOleDate({2006, 5, 20, 11, 0, 0})), "Lördag 20 Maj 2006");
    EXPECT_EQ(timing::properCase("öSTRA  hamnen"), "Östra  Hamnen");
    EXPECT_EQ(timing::monthDayText("2003-07-05"), "jul-05");
    for (const char* text : {"", "kalle", "2003-02-30", "07-05"})
        EXPECT_EQ(timing::monthDayText(text), "") << text;
}
