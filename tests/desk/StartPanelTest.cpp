// The common start on every record; typing and changing the start is walked through in the new-race
// scenario.
#include "DeskFixture.h"

TEST_F(DeskTest, FirstStartSavesEveryBoatAndFillsTheApproachList) {
    std::vector<Boat> boats;
    for (int i = 0; i < 12; ++i)
        boats.push_back(
            {QStringLiteral("Båt %1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("SWE %1").arg(i)});
    frmMain& d = startedRace(boats);
    EXPECT_EQ(d.GemensamStart, july5(10, 0, 0));
    EXPECT_EQ(d.BatarIMalText, QString(11, QLatin1Char('*')));
    EXPECT_EQ(entries(d.lstPG), entries(d.lstDeltagare));
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(record(QStringLiteral("Höst.dat"), n).StartTid, july5(10, 0, 0)) << n;
    EXPECT_TRUE(messageTexts().isEmpty());
}
