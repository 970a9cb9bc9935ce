#include "RaceTime.h"

#include <gtest/gtest.h>

#include <cmath>

using timing::lysTalText;
using timing::readLysTal;

// Three decimals with a decimal comma; halves round away from zero on the decimal the single stands for,
// not on its binary value.
TEST(LysTalText, ThreeDecimalsWithDecimalComma) {
    const std::pair<float, const char*> cases[] = {
        {1.045f, "1,045"},  {0.95f, "0,950"},   {1.06f, "1,060"},     {1.0574f, "1,057"},
        {0.0f, "0,000"},    {12.3f, "12,300"},  {9.9996f, "10,000"},  {-0.0001f, "0,000"},
        {1.0005f, "1,001"}, {0.0625f, "0,063"}, {-0.0625f, "-0,063"}, {std::nanf(""), ""}};
    for (const auto& [lysTal, text] : cases)
        EXPECT_EQ(lysTalText(lysTal), text) << lysTal;
}

TEST(ReadLysTal, CommaOrPointAndASignOnlyInFront) {
    for (const auto& [text, value] : {std::pair{"1,05", 1.05f},
                                      {" 0.87 ", 0.87f},
                                      {"7", 7.0f},
                                      {",5", 0.5f},
                                      {"+1,05", 1.05f},
                                      {"-0,5", -0.5f}})
        EXPECT_EQ(readLysTal(text), value) << text;
    for (const char* text : {"", " ", ",", "abc", "1,2,3", "1,0x", "1e3", "--1", "inf", "nan", "1 05"})
        EXPECT_FALSE(readLysTal(text)) << text;
}

TEST(CorrectedTime, SailedTimesTheLysNumberAsShown) {
    const double hour = 1.0 / 24;
    EXPECT_EQ(timing::TidText(timing::correctedTime(hour, 0.87f)), "0:52:12");
    EXPECT_EQ(timing::TidText(timing::correctedTime(hour, 1.066f)), "1:03:58"); // 3837,6 s
    EXPECT_EQ(timing::correctedTime(1.0, 1.0574f), static_cast<double>(1.057f));
    EXPECT_EQ(timing::correctedTime(hour, 0.0004f), 0.0);
}
