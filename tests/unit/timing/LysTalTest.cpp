#include "RaceTime.h"

#include <gtest/gtest.h>

#include <cmath>

using timing::correctedTime;
using timing::lysTalText;
using timing::readLysTal;

TEST(LysTalText, ThreeDecimalsWithDecimalComma) {
    EXPECT_EQ(lysTalText(1.045f), "1,045");
    EXPECT_EQ(lysTalText(0.95f), "0,950");
    EXPECT_EQ(lysTalText(1.06f), "1,060"); // an old two-decimal rating
    EXPECT_EQ(lysTalText(1.0574f), "1,057");
    EXPECT_EQ(lysTalText(0.0f), "0,000");
    EXPECT_EQ(lysTalText(12.3f), "12,300");
    EXPECT_EQ(lysTalText(9.9996f), "10,000");
    EXPECT_EQ(lysTalText(-0.0001f), "0,000");
    EXPECT_EQ(lysTalText(std::nanf("")), "");
}

// Halves round away from zero on the decimal the single stands for, not on its binary value.
TEST(LysTalText, ExactHalvesRoundUp) {
    EXPECT_EQ(lysTalText(1.0005f), "1,001");
    EXPECT_EQ(lysTalText(0.0625f), "0,063");
    EXPECT_EQ(lysTalText(-0.0625f), "-0,063");
}

TEST(ReadLysTal, CommaOrPoint) {
    EXPECT_EQ(readLysTal("1,05"), 1.05f);
    EXPECT_EQ(readLysTal(" 0.87 "), 0.87f);
    EXPECT_EQ(readLysTal("7"), 7.0f);
    EXPECT_EQ(readLysTal(",5"), 0.5f);
    EXPECT_EQ(readLysTal("+1,05"), 1.05f); // a sign only in front
    EXPECT_EQ(readLysTal("-0,5"), -0.5f);
}

TEST(ReadLysTal, NonNumbersGiveNoValue) {
    for (const char* text : {"", " ", ",", "abc", "1,2,3", "1,0x", "1e3", "--1", "inf", "nan", "1 05"})
        EXPECT_FALSE(readLysTal(QString::fromLatin1(text))) << text;
}

TEST(CorrectedTime, SailedTimesTheLysNumberAsShown) {
    const double hour = 1.0 / 24;
    EXPECT_EQ(timing::TidText(correctedTime(hour, 0.87f)), "0:52:12");
    EXPECT_EQ(timing::TidText(correctedTime(hour, 1.13f)), "1:07:48");
    EXPECT_EQ(timing::TidText(correctedTime(hour, 1.066f)), "1:03:58"); // 3837,6 s
    EXPECT_EQ(correctedTime(1.0, 1.0574f), static_cast<double>(1.057f));
    EXPECT_EQ(correctedTime(hour, 0.0f), 0.0);
    EXPECT_EQ(correctedTime(hour, 0.0004f), 0.0);
}
