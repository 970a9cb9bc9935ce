// Low-point scoring against hand-worked results: ties share the place and average the points they span,
// codes score the boats entered + 1, boats with neither stand last without place or points.
#include "Scoring.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    std::vector<QString> keys;                         // finishers' keys in ranking order, records 1, 2, ...
    std::vector<std::pair<QString, QString>> expected; // place and points per finisher
};

} // namespace

TEST(Scoring, TiesShareThePlaceAndAverageThePoints) {
    const std::vector<Case> cases = {
        {"no tie", {"1", "2", "3"}, {{"1", "1"}, {"2", "2"}, {"3", "3"}}},
        {"two tied for 2nd", {"1", "2", "2", "3"}, {{"1", "1"}, {"2=", "2,5"}, {"2=", "2,5"}, {"4", "4"}}},
        {"three tied for 2nd",
         {"1", "2", "2", "2", "3"},
         {{"1", "1"}, {"2=", "3"}, {"2=", "3"}, {"2=", "3"}, {"5", "5"}}},
        {"tie at the first place", {"1", "1", "2"}, {{"1=", "1,5"}, {"1=", "1,5"}, {"3", "3"}}},
    };
    for (const Case& c : cases) {
        std::vector<race::Finisher> finishers;
        for (const QString& key : c.keys)
            finishers.push_back({int(finishers.size()) + 1, key});
        const std::vector<race::ScoredBoat> scored = race::scoreRace(finishers, {}, {}, 10);
        ASSERT_EQ(scored.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < scored.size(); ++i) {
            EXPECT_EQ(scored[i].record, int(i) + 1) << c.what;
            EXPECT_EQ(scored[i].place, c.expected[i].first) << c.what << ", boat " << i + 1;
            EXPECT_EQ(scored[i].points, c.expected[i].second) << c.what << ", boat " << i + 1;
        }
    }
}

TEST(Scoring, CodesScoreTheBoatsEnteredPlusOneAndTheRestStandLast) {
    const std::vector<race::ScoredBoat> scored =
        race::scoreRace({{3, "00010000"}}, {{5, "DSQ"}, {1, "DNF"}}, {2, 4}, 5);
    ASSERT_EQ(scored.size(), 5u);
    EXPECT_EQ(scored[0].place, "1");
    EXPECT_EQ(scored[1].record, 5);
    EXPECT_EQ(scored[1].place, "DSQ");
    EXPECT_EQ(scored[1].points, "6");
    EXPECT_EQ(scored[2].points, "6");
    EXPECT_EQ(scored[3].record, 2);
    EXPECT_TRUE(scored[3].place.isEmpty() && scored[3].points.isEmpty());
}

TEST(Scoring, CodesAreTypedInAnyCase) {
    EXPECT_EQ(race::scoringCode(" dnf "), QStringLiteral("DNF"));
    for (const QString& code : race::scoringCodes())
        EXPECT_EQ(race::scoringCode(code.toLower()), code);
    EXPECT_FALSE(race::scoringCode("ZFP"));
    EXPECT_FALSE(race::scoringCode("-"));
}
