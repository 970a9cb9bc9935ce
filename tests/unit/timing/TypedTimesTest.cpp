#include "RaceTime.h"

#include <gtest/gtest.h>

using timing::toOleDate;
using timing::typedFinishTime;
using timing::typedStartTime;

// The date in front stays; the typed time of day is taken, and a day without its year need only be a day
// that some year has.
TEST(TypedFinishTime, KeepsTheDateInFrontAndTakesTheTypedTimeOfDay) {
    const double at1405 = toOleDate({2003, 7, 5, 14, 5, 0});
    for (const auto& [front, typed, time] :
         {std::tuple{"2003-07-05", "14:5", at1405},
          {"2003-07-05 ", "14:05", at1405},
          {"2003-07-05", "07-05  14:05:09", at1405 + 9.0 / 86400},
          {"2003-07-05", "2003-07-06 14:05:00", at1405},
          {"2003-07-05", " 9:30 ", toOleDate({2003, 7, 5, 9, 30, 0})},
          {"2003-07-05", "2003-07-06", toOleDate({2003, 7, 5, 0, 0, 0})},
          {"2003-07-05", "02-29 10:00", toOleDate({2003, 7, 5, 10, 0, 0})}})
        EXPECT_EQ(typedFinishTime(front, typed), time) << typed;
    for (const char* typed :
         {"", "   ", "abc", "25:00", "14:61", "14:05:60", "14:05:009", "14", "14:05:09:01", "14:5x",
          "13-45 10:00", "02-30 10:00", "1405", "10:00 2003-07-05", "-1:00"})
        EXPECT_FALSE(typedFinishTime("2003-07-05", typed)) << typed;
    EXPECT_FALSE(typedFinishTime("kalle", "14:05"));
}

TEST(TypedStartTime, DateAndTimeWithAnyRunOfSpaces) {
    const double start = toOleDate({2003, 7, 5, 9, 30, 0});
    for (const char* typed :
         {"2003-07-05    09:30:00", "2003-07-05    9:30", "2003-07-05 9:30", " 2003-7-5\t9:30:00 "})
        EXPECT_EQ(typedStartTime(typed), start) << typed;
    EXPECT_EQ(typedStartTime("9:30"), 9.5 / 24);
    EXPECT_EQ(typedStartTime("2003-07-05"), toOleDate({2003, 7, 5, 0, 0, 0}));
    EXPECT_EQ(typedStartTime("2003-12-31 10:00"), toOleDate({2003, 12, 31, 10, 0, 0})); // New Year's Eve
    for (const char* typed : {"", "x", "07-05 10:00", "2003-02-29 10:00", "2003-07-05 25:00",
                              "03-07-05 10:00", "2003-07-05 10:00 x", "0099-12-31 10:00", "2003/07/05 10:00"})
        EXPECT_FALSE(typedStartTime(typed)) << typed;
}
