// "Öppna Startlista" and "Spara Som . . ." on the race files; the commands' questions and refusals are
// walked through in the scenarios.
#include "DeskFixture.h"

#include "Settings.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

TEST_F(DeskTest, OpeningRebuildsFlagsFromTheRecords) {
    copyExample();
    // Records 1 and 3 have finished; in list order (Anna, Bertil, Cecilia) they stand at 1 and 2, so flags
    // set by record number would read otherwise.
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

// Saving the example over an older race replaces it whole, writable, and the desk goes on in the copy.
TEST_F(DeskTest, SaveAsOverAnOlderRaceReplacesItWithAWritableCopy) {
    copyExample();
    // Twenty records: a copy written over them without cutting the file would keep seven old boats.
    writeRace(u"Gammal.dat"_s, std::vector<Boat>(20, {u"Gammal"_s, u"S9"_s}));
    frmMain& d = load();
    scripted.dialogs.queueFile(u"Gammal"_s);
    d.lblSave_Click();
    EXPECT_EQ(recordCount(u"Gammal.dat"_s), 13);
    EXPECT_TRUE(QFileInfo(path(u"Gammal.dat"_s)).isWritable());
    d.AddButton_Click();
    d.Namn->setText(u"Ny"_s);
    d.OkButton_Click();
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(recordCount(u"Gammal.dat"_s), 14);
}
