#include "RaceTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using timing::korrTidKey;
using timing::TidText;

namespace {

constexpr double Second = 1.0 / 86400;
constexpr double Hour = 1.0 / 24;

struct DurationCase {
    double days;
    const char* text;
};

} // namespace

TEST(TidText, Table) {
    const DurationCase cases[] = {
        {0, "0:00:00"},
        {59.4 * Second, "0:00:59"},
        {59.6 * Second, "0:01:00"},
        {(86399 + 0.7) * Second, "24:00:00"},
        {2 + 3 * Hour, "51:00:00"},
        {1.5, "36:00:00"},
        {Hour + 5 * 60 * Second + 9 * Second, "1:05:09"},
        {-0.25, "-6:00:00"},
        {-0.26, "-7:45:36"},
        {100 * Hour, "100:00:00"},
        {1234 * Hour + 3906 * Second, "1235:05:06"},
        {1 + 86399.6 * Second, "48:00:00"},
        {0.5 * Second, "0:00:01"},
        {-1e-12, "0:00:00"},
        {37807.5, "907380:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TidText(c.days), QString::fromLatin1(c.text)) << c.days;
}

TEST(TidText, NonFiniteDurationsGiveNoText) {
    EXPECT_EQ(TidText(std::nan("")), QString());
    EXPECT_EQ(TidText(HUGE_VAL), QString());
    EXPECT_EQ(TidText(-1e300), QString());
}

TEST(TidSkillnad, IsTheTextOfTheDifference) {
    const double start = timing::toOleDate({2003, 7, 5, 10, 0, 0});
    EXPECT_EQ(timing::TidSkillnad(timing::toOleDate({2003, 7, 5, 14, 5, 9}), start),
              QStringLiteral("4:05:09"));
    EXPECT_EQ(timing::TidSkillnad(timing::toOleDate({2003, 7, 6, 11, 0, 0}), start),
              QStringLiteral("25:00:00"));
    EXPECT_EQ(timing::TidSkillnad(timing::toOleDate({2003, 7, 5, 4, 0, 0}), start),
              QStringLiteral("-6:00:00"));
}

TEST(KorrTidKey, RemovesColonsAndPadsToEight) {
    EXPECT_EQ(korrTidKey("1:05:09"), "00010509");
    EXPECT_EQ(korrTidKey("0:00:00"), "00000000");
    EXPECT_EQ(korrTidKey("123:00:00"), "01230000");
    EXPECT_EQ(korrTidKey("-6:00:00"), "00-60000");
    EXPECT_EQ(korrTidKey("12345:00:00"), "123450000");
}

TEST(KorrTidKey, TextOrderIsCorrectedTimeOrder) {
    const double durations[] = {100 * Hour, 10 * Hour, 0, 10 * Hour - Second, 52 * 60 * Second};
    std::vector<QString> keys;
    for (double d : durations)
        keys.push_back(korrTidKey(TidText(d)));
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<QString>{"00000000", "00005200", "00095959", "00100000", "01000000"}));
}
