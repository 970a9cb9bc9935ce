#include "ResultList.h"

#include "QStringPrint.h"

#include <gtest/gtest.h>

using results::ByggResultatRader;
using results::PanelTexts;
using results::RankingEntry;
using results::ResultatRad;

namespace {

const timing::DateTime Start20May2006 = timing::toOleDate({2006, 5, 20, 11, 0, 0});

// A panel that tells which participant it shows and records the order it was asked in.
struct FakePanel {
    std::vector<int> asked;
    PanelTexts operator()(int participant) {
        asked.push_back(participant);
        const QString n = QString::number(participant);
        return {QStringLiteral("Båt ") + n + QStringLiteral(" , S-") + n,
                QStringLiteral("11:00:00"),
                QStringLiteral("13:0") + n + QStringLiteral(":00"),
                QStringLiteral("2:0") + n + QStringLiteral(":00"),
                QStringLiteral("1,05"),
                QStringLiteral("2:1") + n + QStringLiteral(":00")};
    }
};

} // namespace

TEST(ByggResultatRader, ThreeBoatsGiveTitleEmptyRowAndPlacesInRankingOrder) {
    FakePanel panel;
    const std::vector<RankingEntry> ranking{{"00020600", 4}, {"00021200", 1}, {"00021800", 7}};
    const auto list =
        ByggResultatRader(Start20May2006, "2006-05-20", "2006-05-21", ranking, std::ref(panel), "Regatta");

    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(panel.asked, (std::vector<int>{4, 1, 7}));
    EXPECT_EQ(list.rows[0], (ResultatRad{"Tävling 2006-05-20  mellan", "maj-20", "maj-21", "", "", "", ""}));
    EXPECT_EQ(list.rows[1], ResultatRad{});
    EXPECT_EQ(list.rows[2],
              (ResultatRad{"Båt 4 , S-4", "11:00:00", "13:04:00", "2:04:00", "1,05", "2:14:00", "1"}));
    EXPECT_EQ(list.rows[3][0], "Båt 1 , S-1");
    EXPECT_EQ(list.rows[3][6], "2");
    EXPECT_EQ(list.rows[4][0], "Båt 7 , S-7");
    EXPECT_EQ(list.rows[4][6], "3");
    EXPECT_EQ(list.caption, "ResultatLista  Fil  Regatta      Lördag 20 Maj 2006");
}

// The same corrected second shares the place; the next boat's place counts every boat before it.
TEST(ByggResultatRader, EqualCorrectedSecondsShareThePlace) {
    const std::vector<std::pair<std::vector<QString>, std::vector<QString>>> cases = {
        {{"00020600", "00020600"}, {"1=", "1="}},
        {{"00010000", "00020600", "00020600", "00020600", "00030000"}, {"1", "2=", "2=", "2=", "5"}},
        {{"00010000", "00020000", "00020000"}, {"1", "2=", "2="}},
    };
    for (const auto& [keys, places] : cases) {
        FakePanel panel;
        std::vector<RankingEntry> ranking;
        for (const QString& key : keys)
            ranking.push_back({key, int(ranking.size()) + 1});
        const auto list =
            ByggResultatRader(Start20May2006, "2006-05-20", "2006-05-20", ranking, std::ref(panel), "R");
        ASSERT_EQ(list.rows.size(), keys.size() + 2);
        for (std::size_t i = 0; i < places.size(); ++i)
            EXPECT_EQ(list.rows[i + 2][6], places[i]) << keys.size() << " boats, row " << i;
    }
}

TEST(ByggResultatRader, NoFinishDateAndNoBoatsLeaveOnlyTheTitleRows) {
    FakePanel panel;
    const auto list = ByggResultatRader(Start20May2006, "2006-05-20", "", {}, std::ref(panel), "R");
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_TRUE(panel.asked.empty());
    EXPECT_EQ(list.rows[0][1], "maj-20");
    EXPECT_EQ(list.rows[0][2], "");
    EXPECT_EQ(list.rows[1], ResultatRad{});
}
