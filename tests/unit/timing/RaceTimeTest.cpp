// The desk's times: day counts, durations, ranking keys, ratings, dates shown and times typed.
#include "RaceTime.h"
#include "SwedishOrder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace timing;

namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Hour = 1.0 / 24;

} // namespace

// Months out of range carry into the year; before the epoch the day counts back and the time forward.
TEST(OleDate, KnownDaysAndTimesAndRoundTrips) {
    const std::pair<CalendarTime, double> cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},  {{1900, 3, 1, 0, 0, 0}, 61.0},    {{2000, 1, 1, 0, 0, 0}, 36526.0},
        {{1899, 12, 30, 12, 0, 0}, 0.5}, {{1899, 12, 29, 6, 0, 0}, -1.25}, {{2003, 13, 1, 0, 0, 0}, 37987.0},
        {{2003, 0, 1, 0, 0, 0}, 37591.0}};
    for (const auto& [time, days] : cases)
        EXPECT_EQ(toOleDate(time), days) << time.year << "-" << time.month;
    EXPECT_EQ(fromOleDate(-0.25), (CalendarTime{1899, 12, 30, 6, 0, 0}));
    const CalendarTime times[] = {
        {2003, 7, 5, 14, 5, 9}, {2004, 2, 29, 23, 59, 59},  {1900, 2, 28, 0, 0, 1},  {1600, 3, 1, 12, 0, 0},
        {100, 1, 1, 0, 0, 0},   {9999, 12, 31, 23, 59, 59}, {1899, 12, 31, 0, 0, 0}, {1850, 6, 15, 8, 30, 0},
        {2100, 2, 28, 0, 0, 0}, {2100, 3, 1, 0, 0, 0}}; // 2100 has no 29 February
    for (const CalendarTime& t : times)
        EXPECT_EQ(fromOleDate(toOleDate(t)), t) << t.year << "-" << t.month;
}

TEST(OleDate, FromOleDateRoundsToTheSecondWithDayCarry) {
    const double day = toOleDate({2003, 7, 5, 0, 0, 0});
    EXPECT_EQ(fromOleDate(day + 86399.6 / 86400), (CalendarTime{2003, 7, 6, 0, 0, 0}));
    EXPECT_EQ(fromOleDate(day + 3600.4 / 86400), (CalendarTime{2003, 7, 5, 1, 0, 0}));
    EXPECT_EQ(fromOleDate(-1 - 86399.7 / 86400), (CalendarTime{1899, 12, 30, 0, 0, 0}));
    for (double d : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e300, 3e6})
        EXPECT_EQ(fromOleDate(d), CalendarTime{}) << d;
    const QDateTime reading(QDate(2003, 7, 5), QTime(14, 5, 9, 999)); // a clock reading drops the fraction
    EXPECT_EQ(timeStamp(reading), toOleDate({2003, 7, 5, 14, 5, 9}));
}

// A damaged record's time, or a finish before the start, shows as nothing at all.
TEST(TidText, Table) {
    const std::pair<double, const char*> cases[] = {
        {0, "0:00:00"},          {59.4, "0:00:59"},
        {59.6, "0:01:00"},       {0.5, "0:00:01"},
        {-0.4, "0:00:00"},       {3909, "1:05:09"},
        {86399.7, "24:00:00"},   {172799.6, "48:00:00"},
        {4446306, "1235:05:06"}, {255611419200, "71003172:00:00"}}; // seconds
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TidText(seconds / 86400), text) << seconds;
    for (const double v :
         {std::nan(""), HUGE_VAL, -HUGE_VAL, -1e300, 1e300, -0.25, -0.6 * Second, 2958466.0}) {
        EXPECT_EQ(TidText(v), "") << v;
        EXPECT_FALSE(isUsableTime(v)) << v;
    }
}

// A damaged key sorts last both as plain text (the model's order) and in the ranking list's Swedish order.
TEST(KorrTidKey, PadsToEightAndDamagedTimesRankLastInBothOrders) {
    const std::pair<const char*, const char*> keys[] = {
        {"1:05:09", "00010509"}, {"123:00:00", "01230000"}, {"12345:00:00", "123450000"}};
    for (const auto& [text, key] : keys)
        EXPECT_EQ(korrTidKey(text), key);
    const QString damaged = rankingKey(std::nan(""));
    for (const char* text : {"", "-6:00:00", "x"})
        EXPECT_EQ(korrTidKey(text), damaged) << text;
    for (const double v : {-0.25, HUGE_VAL, 1e300})
        EXPECT_EQ(rankingKey(v), damaged) << v;
    for (const double real : {0.0, Hour, 2958465.9}) {
        const QString key = rankingKey(real);
        EXPECT_LT(key, damaged) << key.toStdString();
        EXPECT_LT(base::compareSwedish(key, damaged), 0) << key.toStdString();
    }
}

// Halves round away from zero on the decimal the float stands for, not on its binary value.
TEST(LysTalText, ThreeDecimalsWithDecimalComma) {
    const std::pair<float, const char*> cases[] = {
        {1.045f, "1,045"},  {0.95f, "0,950"},   {1.06f, "1,060"},     {1.0574f, "1,057"},
        {0.0f, "0,000"},    {12.3f, "12,300"},  {9.9996f, "10,000"},  {-0.0001f, "0,000"},
        {1.0005f, "1,001"}, {0.0625f, "0,063"}, {-0.0625f, "-0,063"}, {std::nanf(""), ""}};
    for (const auto& [lysTal, text] : cases)
        EXPECT_EQ(lysTalText(lysTal), text) << lysTal;
}

TEST(ReadLysTal, CommaOrPointAndASignOnlyInFront) {
    const std::pair<const char*, float> numbers[] = {{"1,05", 1.05f}, {" 0.87 ", 0.87f}, {"7", 7.0f},
                                                     {",5", 0.5f},    {"+1,05", 1.05f},  {"-0,5", -0.5f}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(readLysTal(text), value) << text;
    for (const char* text : {"", " ", ",", "abc", "1,2,3", "1,0x", "1e3", "--1", "inf", "nan", "1 05"})
        EXPECT_FALSE(readLysTal(text)) << text;
}

TEST(CorrectedTime, SailedTimesTheLysNumberAsShown) {
    EXPECT_EQ(TidText(correctedTime(Hour, 0.87f)), "0:52:12");
    EXPECT_EQ(TidText(correctedTime(Hour, 1.066f)), "1:03:58"); // 3837,6 s
    EXPECT_EQ(correctedTime(1.0, 1.0574f), static_cast<double>(1.057f));
    EXPECT_EQ(correctedTime(Hour, 0.0004f), 0.0);
}

TEST(FormatDate, EveryPatternOfTheDesk) {
    const std::pair<const char*, const char*> cases[] = {{"hh:mm:ss", "14:05:09"},
                                                         {"hh:mm", "14:05"},
                                                         {"yyyy-mm-dd hh:mm:ss", "2003-07-05 14:05:09"},
                                                         {"mm-dd  hh:mm:ss", "07-05  14:05:09"},
                                                         {"yyyy-mm-dd    hh:mm:ss", "2003-07-05    14:05:09"},
                                                         {"dddd d mmmm yyyy", "lördag 5 juli 2003"},
                                                         {"mmm-dd", "jul-05"}};
    for (const auto& [pattern, text] : cases)
        EXPECT_EQ(formatDate(toOleDate({2003, 7, 5, 14, 5, 9}), pattern), text) << pattern;
    EXPECT_EQ(clockText(0), "00:00:00");
    EXPECT_EQ(clockText(toOleDate({2003, 7, 5, 9, 3, 7}) + 0.6 / 86400), "09:03:08");
    EXPECT_EQ(dateText(toOleDate({2004, 2, 29, 23, 59, 59}) + 0.7 / 86400), "2004-03-01");
    EXPECT_EQ(clockText(std::nan("")), "");
    EXPECT_EQ(dateText(1e12), "");
}

// A day without its year need only be a day that some year has.
TEST(TypedFinishTime, KeepsTheDateInFrontAndTakesTheTypedTimeOfDay) {
    const struct {
        const char* typed;
        int h, m, s; // on 2003-07-05
    } times[] = {{"14:5", 14, 5, 0},   {"07-05  14:05:09", 14, 5, 9}, {"2003-07-06 14:05:00", 14, 5, 0},
                 {" 9:30 ", 9, 30, 0}, {"2003-07-06", 0, 0, 0},       {"02-29 10:00", 10, 0, 0}};
    for (const auto& t : times)
        EXPECT_EQ(typedFinishTime("2003-07-05", t.typed), toOleDate({2003, 7, 5, t.h, t.m, t.s})) << t.typed;
    EXPECT_EQ(typedFinishTime("2003-07-05 ", "14:05"), toOleDate({2003, 7, 5, 14, 5, 0}));
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
    EXPECT_EQ(typedStartTime("2003-12-31 10:00"), toOleDate({2003, 12, 31, 10, 0, 0}));
    for (const char* typed : {"", "x", "07-05 10:00", "2003-02-29 10:00", "2003-07-05 25:00",
                              "03-07-05 10:00", "2003-07-05 10:00 x", "0099-12-31 10:00", "2003/07/05 10:00"})
        EXPECT_FALSE(typedStartTime(typed)) << typed;
}
