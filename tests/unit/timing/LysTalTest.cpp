#include "RaceTime.h"

#include <gtest/gtest.h>

#include <cmath>

using timing::correctedTime;
using timing::lysTalText;
using timing::readLysTal;

TEST(LysTalText, TwoDecimalsWithDecimalComma) {
    EXPECT_EQ(lysTalText(1.05f), "1,05");
    EXPECT_EQ(lysTalText(1.057f), "1,06");
    EXPECT_EQ(lysTalText(0.0f), "0,00");
    EXPECT_EQ(lysTalText(12.3f), "12,30");
    EXPECT_EQ(lysTalText(9.999f), "10,00");
    EXPECT_EQ(lysTalText(-0.001f), "0,00");
    EXPECT_EQ(lysTalText(std::nanf("")), "");
}

// Halves round away from zero on the decimal the single stands for, not on its binary value.
TEST(LysTalText, ExactHalvesRoundUp) {
    EXPECT_EQ(lysTalText(1.005f), "1,01");
    EXPECT_EQ(lysTalText(0.125f), "0,13");
    EXPECT_EQ(lysTalText(-0.125f), "-0,13");
}

TEST(ReadLysTal, CommaOrPoint) {
    EXPECT_EQ(readLysTal("1,05"), 1.05f);
    EXPECT_EQ(readLysTal(" 0.87 "), 0.87f);
    EXPECT_EQ(readLysTal("7"), 7.0f);
    EXPECT_EQ(readLysTal(",5"), 0.5f);
}

TEST(ReadLysTal, NonNumbersGiveNoValue) {
    for (const char* text : {"", " ", ",", "abc", "1,2,3", "1,0x", "1e3", "--1", "inf", "nan", "1 05"})
        EXPECT_FALSE(readLysTal(QString::fromLatin1(text))) << text;
}

TEST(CorrectedTime, SailedTimesTheLysNumberAsShown) {
    const double hour = 1.0 / 24;
    EXPECT_EQ(timing::TidText(correctedTime(hour, 0.87f)), "0:52:12");
    EXPECT_EQ(timing::TidText(correctedTime(hour, 1.13f)), "1:07:48");
    EXPECT_EQ(correctedTime(1.0, 1.057f), static_cast<double>(1.06f));
    EXPECT_EQ(correctedTime(hour, 0.0f), 0.0);
    EXPECT_EQ(correctedTime(hour, 0.004f), 0.0);
}
