#include "ResultList.h"

#include "QStringPrint.h"

#include <gtest/gtest.h>

using results::ByggResultatRader;
using results::PanelTexts;
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
    const std::vector<race::ScoredBoat> scored{{4, "1", "1"}, {1, "2", "2"}, {7, "DNF", "4"}};
    const auto list =
        ByggResultatRader(Start20May2006, "2006-05-20", "2006-05-21", scored, std::ref(panel), "Regatta");

    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(panel.asked, (std::vector<int>{4, 1, 7}));
    EXPECT_EQ(list.rows[0],
              (ResultatRad{"Tävling 2006-05-20  mellan", "maj-20", "maj-21", "", "", "", "", ""}));
    EXPECT_EQ(list.rows[1], ResultatRad{});
    EXPECT_EQ(list.rows[2],
              (ResultatRad{"Båt 4 , S-4", "11:00:00", "13:04:00", "2:04:00", "1,05", "2:14:00", "1", "1"}));
    EXPECT_EQ(list.rows[3][0], "Båt 1 , S-1");
    EXPECT_EQ(list.rows[4][0], "Båt 7 , S-7");
    EXPECT_EQ(list.rows[4][6], "DNF");
    EXPECT_EQ(list.rows[4][7], "4");
    EXPECT_EQ(list.caption, "ResultatLista  Fil  Regatta      Lördag 20 Maj 2006");
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
