// "Öppna Startlista" on a race under way.
#include "DeskFixture.h"

#include "Settings.h"

using namespace Qt::StringLiterals;

TEST_F(DeskTest, OpeningRebuildsFlagsFromTheRecords) {
    copyExample();
    // Records 1 and 3 have finished; in list order (Anna, Bertil, Cecilia) they stand at 1 and 2.
    writeRace(u"Höst.dat"_s,
              {{u"Cecilia"_s, u"S3"_s, 1.0f, july5(13, 0, 0)},
               {u"Anna"_s, u"S1"_s},
               {u"Bertil"_s, u"S2"_s, 1.0f, july5(14, 0, 0)}},
              july5(10, 0, 0));
    frmMain& d = load();
    scripted.dialogs.queueFile(u"Höst.dat"_s);
    d.lblOpen_Click();
    EXPECT_EQ(d.BatarIMal, (QStringList{QString(), u"x"_s, u"x"_s, QString()}));
    EXPECT_EQ(d.lstDeltagare->List(0), u"Anna , S1"_s); // trimmed, as start-up lists it
    EXPECT_EQ(d.lstSortMG->ItemData(0), 1);             // Cecilia's record
    EXPECT_EQ(race_data::LasInstallningar(race_data::settingsPath(dir.path())).BatarIMalText, u"*x*x*"_s);
}
