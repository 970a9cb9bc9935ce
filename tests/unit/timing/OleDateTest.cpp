#include "RaceTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using timing::CalendarTime;
using timing::fromOleDate;
using timing::toOleDate;

// Known days; months out of their range carry into the year; before the epoch the day counts back and
// the time forward.
TEST(OleDate, KnownDaysAndTimes) {
    const std::pair<CalendarTime, double> cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},  {{1900, 3, 1, 0, 0, 0}, 61.0},    {{2000, 1, 1, 0, 0, 0}, 36526.0},
        {{1899, 12, 30, 12, 0, 0}, 0.5}, {{1899, 12, 29, 6, 0, 0}, -1.25}, {{2003, 13, 1, 0, 0, 0}, 37987.0},
        {{2003, 0, 1, 0, 0, 0}, 37591.0}};
    for (const auto& [time, days] : cases)
        EXPECT_EQ(toOleDate(time), days) << time.year << "-" << time.month;
    EXPECT_DOUBLE_EQ(toOleDate({2003, 7, 5, 10, 0, 0}), 37807.416666666664);
    EXPECT_EQ(fromOleDate(-1.25), (CalendarTime{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(fromOleDate(-0.25), (CalendarTime{1899, 12, 30, 6, 0, 0}));
}

TEST(OleDate, CalendarTimesRoundTrip) {
    const CalendarTime times[] = {
        {2003, 7, 5, 14, 5, 9}, {2004, 2, 29, 23, 59, 59},  {1900, 2, 28, 0, 0, 1},  {1600, 3, 1, 12, 0, 0},
        {100, 1, 1, 0, 0, 0},   {9999, 12, 31, 23, 59, 59}, {1899, 12, 31, 0, 0, 0}, {1850, 6, 15, 8, 30, 0},
        {2100, 2, 28, 0, 0, 0}, {2100, 3, 1, 0, 0, 0}}; // 2100 has no 29 February
    for (const CalendarTime& t : times)
        EXPECT_EQ(fromOleDate(toOleDate(t)), t) << t.year << "-" << t.month;
}

// Rounded to the second with the day carried; out-of-range values read as not set.
TEST(OleDate, FromOleDateRoundsToTheSecondWithDayCarry) {
    const double day = toOleDate({2003, 7, 5, 0, 0, 0});
    EXPECT_EQ(fromOleDate(day + 86399.6 / 86400), (CalendarTime{2003, 7, 6, 0, 0, 0}));
    EXPECT_EQ(fromOleDate(day + 3600.4 / 86400), (CalendarTime{2003, 7, 5, 1, 0, 0}));
    EXPECT_EQ(fromOleDate(-1 - 86399.7 / 86400), (CalendarTime{1899, 12, 30, 0, 0, 0}));
    for (double d : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e300, 3e6})
        EXPECT_EQ(fromOleDate(d), CalendarTime{}) << d;
    const QDateTime reading(QDate(2003, 7, 5), QTime(14, 5, 9, 999)); // a clock reading drops the fraction
    EXPECT_EQ(timing::timeStamp(reading), toOleDate({2003, 7, 5, 14, 5, 9}));
    EXPECT_EQ(timing::timeStamp(QDateTime()), 0.0);
}
