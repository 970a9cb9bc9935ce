// The ranking keeps its order as boats are placed one at a time; moves are the race model's test.
#include "Ranking.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> order(const race::Ranking& r) {
    std::vector<int> records;
    for (const race::Ranking::Entry& e : r.entries())
        records.push_back(e.record);
    return records;
}

} // namespace

// Keys order as text, so long times and negatives (a finish before the start) fall into place.
TEST(Ranking, EqualKeysStandByFinishThenRecordAndKeysOrderAsText) {
    race::Ranking r;
    for (const auto& [record, finish] : {std::pair{7, 0.52}, {5, 0.50}, {9, 0.51}, {3, 0.52}})
        r.place(record, "00040000", finish);
    EXPECT_EQ(order(r), (std::vector<int>{5, 9, 3, 7}));
    race::Ranking keys;
    for (const auto& [record, key] :
         {std::pair{1, "01000000"}, {2, "00095959"}, {3, "00100000"}, {4, "00-60000"}, {6, "00000000"}})
        keys.place(record, key, 0.5);
    EXPECT_EQ(order(keys), (std::vector<int>{4, 6, 2, 3, 1}));
}
