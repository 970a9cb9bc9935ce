#include "RaceTime.h"
#include "SwedishOrder.h"

#include <gtest/gtest.h>

#include <cmath>

using timing::korrTidKey;
using timing::TidText;

namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Hour = 1.0 / 24;

} // namespace

// Rounded to the second, hours past 24 counted on; a damaged record's time, or a finish before the start,
// shows as nothing at all.
TEST(TidText, Table) {
    const std::pair<double, const char*> cases[] = {{0, "0:00:00"},
                                                    {59.4 * Second, "0:00:59"},
                                                    {59.6 * Second, "0:01:00"},
                                                    {0.5 * Second, "0:00:01"},
                                                    {-0.4 * Second, "0:00:00"},
                                                    {Hour + 309 * Second, "1:05:09"},
                                                    {(86399 + 0.7) * Second, "24:00:00"},
                                                    {1 + 86399.6 * Second, "48:00:00"},
                                                    {1234 * Hour + 3906 * Second, "1235:05:06"},
                                                    {2958465.5, "71003172:00:00"}};
    for (const auto& [days, text] : cases)
        EXPECT_EQ(TidText(days), text) << days;
    for (const double v :
         {std::nan(""), HUGE_VAL, -HUGE_VAL, -1e300, 1e300, -0.25, -0.6 * Second, 2958466.0}) {
        EXPECT_EQ(TidText(v), "") << v;
        EXPECT_FALSE(timing::isUsableTime(v)) << v;
    }
    EXPECT_TRUE(timing::isUsableTime(-0.4 * Second));
}

TEST(TidSkillnad, IsTheTextOfTheDifference) {
    const double start = timing::toOleDate({2003, 7, 5, 10, 0, 0});
    EXPECT_EQ(timing::TidSkillnad(timing::toOleDate({2003, 7, 5, 14, 5, 9}), start), "4:05:09");
    EXPECT_EQ(timing::TidSkillnad(timing::toOleDate({2003, 7, 6, 11, 0, 0}), start), "25:00:00");
    EXPECT_EQ(timing::TidSkillnad(timing::toOleDate({2003, 7, 5, 4, 0, 0}), start), "");
}

// The key pads to eight digits; a damaged key sorts after the keys of 0:00:00 and of the longest usable
// time, both as plain text (the model's order) and in the Swedish order of the ranking list.
TEST(KorrTidKey, PadsToEightAndDamagedTimesRankLastInBothOrders) {
    for (const auto& [text, key] : {std::pair{"1:05:09", "00010509"},
                                    {"0:00:00", "00000000"},
                                    {"123:00:00", "01230000"},
                                    {"12345:00:00", "123450000"}})
        EXPECT_EQ(korrTidKey(text), key);
    const QString damaged = timing::rankingKey(std::nan(""));
    for (const char* text : {"", "-6:00:00", "x"})
        EXPECT_EQ(korrTidKey(text), damaged) << text;
    for (const double v : {-0.25, HUGE_VAL, 1e300})
        EXPECT_EQ(timing::rankingKey(v), damaged) << v;
    for (const double real : {0.0, Hour, 2958465.9}) {
        const QString key = timing::rankingKey(real);
        EXPECT_LT(key, damaged) << key.toStdString();
        EXPECT_LT(base::compareSwedish(key, damaged), 0) << key.toStdString();
        EXPECT_GT(base::compareSwedish(damaged, key), 0) << key.toStdString();
    }
}
