#include "ResultList.h"

#include "QStringPrint.h"
#include "RaceResultList.h"
#include "race_data/TestFiles.h"

#include <gtest/gtest.h>

using results::ByggResultatRader;
using results::PanelTexts;
using results::ResultatRad;

const timing::DateTime Start20May2006 = timing::toOleDate({2006, 5, 20, 11, 0, 0});

// Boats in ranking order, each panel asked once; the first and last dates in the title row.
TEST(ByggResultatRader, TitleRowEmptyRowThenTheBoatsInRankingOrder) {
    std::vector<int> asked;
    const auto panel = [&asked](int n) {
        asked.push_back(n);
        const QString s = QString::number(n);
        return PanelTexts{"Båt " + s + " , S-" + s, "11:00:00", "13:0" + s + ":00",
                          "2:0" + s + ":00",        "1,05",     "2:1" + s + ":00"};
    };
    const std::vector<race::ScoredBoat> scored{{4, "1", "1"}, {1, "2", "2"}, {7, "DNF", "4"}};
    const auto list = ByggResultatRader(Start20May2006, "2006-05-20", "2006-05-21", scored, panel, "Regatta");
    EXPECT_EQ(asked, (std::vector<int>{4, 1, 7}));
    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(list.rows[0], (ResultatRad{"Tävling 2006-05-20  mellan", "maj-20", "maj-21"}));
    EXPECT_EQ(list.rows[1], ResultatRad{});
    EXPECT_EQ(list.rows[2],
              (ResultatRad{"Båt 4 , S-4", "11:00:00", "13:04:00", "2:04:00", "1,05", "2:14:00", "1", "1"}));
    EXPECT_EQ(list.rows[3][0], "Båt 1 , S-1");
    EXPECT_EQ(list.rows[4][0] + list.rows[4][6] + list.rows[4][7], "Båt 7 , S-7DNF4");
    EXPECT_EQ(list.caption, "ResultatLista  Fil  Regatta      Lördag 20 Maj 2006");

    const auto empty =
        ByggResultatRader(Start20May2006, "2006-05-20", "", std::vector<race::ScoredBoat>{}, panel, "R");
    EXPECT_EQ(empty.rows, (std::vector<ResultatRad>{{"Tävling 2006-05-20  mellan", "maj-20"}, {}}));
    const std::vector<results::ScoredSection> two{{"A", "A  start 11:00:00", false, {scored[0]}},
                                                  {"B", "B  start 11:05:00", false, {scored[1]}}};
    EXPECT_EQ(ByggResultatRader(Start20May2006, "2006-05-20", "", two, panel, "R").keys,
              (std::vector<int>{0, -1, -2, 4, -2, 1}));
}

// Each group scored and timed on its own under its heading, then Totalt; a group's correction shows in
// Totalt too, but not its place there.
TEST(RaceResultList, EachStartGroupUnderItsHeadingThenTotaltWhenTicked) {
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("Höst.dat"));
    writeRace(dat, {{"A1", "1"}, {"B1", "2"}, {"A2", "3"}, {"B2", "4"}, {"A3", "5"}, {"F1", "6"}});
    race::Race race;
    race.open(dat);
    race.restoreUnderWay();
    for (const auto& [n, group] : std::vector<std::pair<int, QString>>{
             {1, "SRS A"}, {3, "SRS A"}, {5, "SRS A"}, {2, "SRS B"}, {4, "SRS B"}, {6, "Flerskrov"}})
        ASSERT_FALSE(race.setGroup(n, group));
    race.setGroupStart(QStringLiteral("SRS A"), july5(10, 0, 0));
    race.setGroupStart(QStringLiteral("SRS B"), july5(10, 5, 0));
    for (const auto& [n, h, m] :
         std::vector<std::tuple<int, int, int>>{{1, 11, 0}, {3, 10, 50}, {2, 11, 0}, {4, 11, 0}})
        race.registerFinish(n, july5(h, m, 0));
    ASSERT_FALSE(race.setCode(5, QStringLiteral("DNF")));

    race_data::ResultText text;
    text.total = true;
    text.corrections[2][0] = {"B1 , 2", "Bris , 2"};
    text.corrections[2][results::PlaceCell] = {"1=", "1"};
    ASSERT_FALSE(race.setResultText(text));
    const results::ResultExport list = results::raceResultExport(race, "Höst", 0, QString());

    const char* const expected[] = {
        "SRS A|SRS A  start 10:00:00|||", "SRS A|A2 , 3|10:00:00|1|1",
        "SRS A|A1 , 1|10:00:00|2|2",      "SRS A|A3 , 5|10:00:00|DNF|4",
        "SRS B|SRS B  start 10:05:00|||", "SRS B|Bris , 2|10:05:00|1|1,5",
        "SRS B|B2 , 4|10:05:00|1=|1,5",   "Flerskrov|Flerskrov  ej startad|||",
        "Flerskrov|F1 , 6|--:--:--||",    "Totalt|Totalt|||",
        "Totalt|A2 , 3|10:00:00|1|1",     "Totalt|Bris , 2|10:05:00|2=|2,5",
        "Totalt|B2 , 4|10:05:00|2=|2,5",  "Totalt|A1 , 1|10:00:00|4|4",
        "Totalt|A3 , 5|10:00:00|DNF|7",   "Totalt|F1 , 6|--:--:--||",
    };
    ASSERT_EQ(list.rows.size(), std::size(expected) + results::FirstBoatRow);
    ASSERT_EQ(list.sections.size(), list.rows.size());
    for (std::size_t r = results::FirstBoatRow; r < list.rows.size(); ++r) {
        const results::RowSection& s = list.sections[r];
        const results::ResultatRad& row = list.rows[r];
        EXPECT_EQ(QStringList({s.name, row[0], row[1], row[results::PlaceCell], row[results::PointsCell]})
                      .join('|'),
                  expected[r - results::FirstBoatRow]);
        EXPECT_EQ(s.total, s.name == "Totalt") << r;
        EXPECT_EQ(results::isSectionHeading(list, r), row[1].isEmpty()) << r;
    }
}
