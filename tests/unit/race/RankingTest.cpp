// The ranking keeps its order as boats are placed and moved, one at a time.
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

// Equal keys stand in finishing order, then by record number, however they were placed; keys order as
// text, so long times and negatives (a finish before the start) fall into place.
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

TEST(Ranking, MovingABoatReportsWhereItLeftAndWhereItWent) {
    race::Ranking r;
    r.place(1, "00010000", 0);
    r.place(2, "00020000", 1);
    r.place(3, "00030000", 2);
    const race::Ranking::Move m = r.place(1, "00025000", 0);
    EXPECT_EQ(m.removedAt, 0);
    EXPECT_EQ(m.insertedAt, 1); // counted after the boat left
    EXPECT_EQ(order(r), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(r.remove(3), 2);
    EXPECT_EQ(r.remove(3), -1);
}
