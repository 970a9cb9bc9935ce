// Low-point scoring against hand-worked results.
#include "Scoring.h"
#include "ScoredText.h"

#include <gtest/gtest.h>

TEST(Scoring, TiesShareThePlaceAndAverageThePoints) {
    const std::pair<std::vector<QString>, QString> cases[] = {
        // finishers' keys in ranking order, records 1, 2, ...; then "record place points" per finisher
        {{"1", "2", "2", "3"}, "1 1 1; 2 2= 2,5; 3 2= 2,5; 4 4 4"},
        {{"1", "2", "2", "2", "3"}, "1 1 1; 2 2= 3; 3 2= 3; 4 2= 3; 5 5 5"},
        {{"1", "1", "2"}, "1 1= 1,5; 2 1= 1,5; 3 3 3"},
    };
    for (const auto& [keys, scored] : cases) {
        std::vector<race::Finisher> finishers;
        for (const QString& key : keys)
            finishers.push_back({int(finishers.size()) + 1, key});
        EXPECT_EQ(scoredText(race::scoreRace(finishers, {}, {}, 10)), scored);
    }
    EXPECT_EQ(scoredText(race::scoreRace({{3, "00010000"}}, {{5, "DSQ"}, {1, "DNF"}}, {2, 4}, 5)),
              "3 1 1; 5 DSQ 6; 1 DNF 6; 2; 4");
}
