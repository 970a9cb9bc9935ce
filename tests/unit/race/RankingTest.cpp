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

// Equal keys stand in finishing order, then by record number, however they were placed.
TEST(Ranking, EqualKeysStandByFinishThenRecordWhereverTheyArePlaced) {
    race::Ranking r;
    r.place(7, QStringLiteral("00040000"), 0.52);
    r.place(5, QStringLiteral("00040000"), 0.50);
    r.place(9, QStringLiteral("00040000"), 0.51);
    r.place(3, QStringLiteral("00040000"), 0.52);
    EXPECT_EQ(order(r), (std::vector<int>{5, 9, 3, 7}));
}

TEST(Ranking, MovingABoatReportsWhereItLeftAndWhereItWent) {
    race::Ranking r;
    r.place(1, QStringLiteral("00010000"), 0);
    r.place(2, QStringLiteral("00020000"), 1);
    r.place(3, QStringLiteral("00030000"), 2);
    const race::Ranking::Move m = r.place(1, QStringLiteral("00025000"), 0);
    EXPECT_EQ(m.removedAt, 0);
    EXPECT_EQ(m.insertedAt, 1); // counted after the boat left
    EXPECT_EQ(order(r), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(r.remove(3), 2);
    EXPECT_EQ(r.remove(3), -1);
}

TEST(Ranking, KeysOrderAsTextSoLongTimesAndNegativesFallIntoPlace) {
    race::Ranking r;
    const std::vector<std::pair<QString, int>> keys = {
        {QStringLiteral("01000000"), 1}, // 100:00:00
        {QStringLiteral("00095959"), 2}, {QStringLiteral("00100000"), 3},
        {QStringLiteral("00-60000"), 4}, // a finish before the start
        {QStringLiteral("00000000"), 5},
    };
    double finish = 0.5;
    for (const auto& [key, record] : keys)
        r.place(record, key, finish += 0.01);
    EXPECT_EQ(order(r), (std::vector<int>{4, 5, 2, 3, 1}));
}
