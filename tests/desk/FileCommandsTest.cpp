// "Öppna Startlista" and "Spara Som . . ." on the race files; the commands' questions and refusals are
// walked through in the scenarios.
#include "DeskFixture.h"

#include "Settings.h"

#include <QFileInfo>

TEST_F(DeskTest, OpeningRebuildsFlagsFromTheRecords) {
    copyExample();
    // Records 1 and 3 have finished; in list order (Anna, Bertil, Cecilia) they stand at 1 and 2, so flags
    // set by record number would read otherwise.
    writeRace(QStringLiteral("Höst.dat"),
              {{QStringLiteral("Cecilia"), QStringLiteral("S3"), 1.0f, july5(13, 0, 0)},
               {QStringLiteral("Anna"), QStringLiteral("S1")},
               {QStringLiteral("Bertil"), QStringLiteral("S2"), 1.0f, july5(14, 0, 0)}},
              july5(10, 0, 0));
    frmMain& d = load();
    scripted.dialogs.queueFile(QStringLiteral("Höst.dat"));
    d.lblOpen_Click();
    EXPECT_EQ(d.BatarIMal, (QStringList{QString(), QStringLiteral("x"), QStringLiteral("x"), QString()}));
    EXPECT_EQ(d.lstDeltagare->List(0), QStringLiteral("Anna , S1")); // trimmed, as start-up lists it
    EXPECT_EQ(d.lstSortMG->ItemData(0), 1);                          // Cecilia's record
    EXPECT_EQ(race_data::LasInstallningar(race_data::settingsPath(dir.path())).BatarIMalText,
              QStringLiteral("*x*x*"));
}

// Saving the example over an older race replaces it whole, writable, and the desk goes on in the copy.
TEST_F(DeskTest, SaveAsOverAnOlderRaceReplacesItWithAWritableCopy) {
    copyExample();
    // Twenty records: a copy written over them without cutting the file would keep seven old boats.
    writeRace(QStringLiteral("Gammal.dat"),
              std::vector<Boat>(20, {QStringLiteral("Gammal"), QStringLiteral("S9")}));
    frmMain& d = load();
    scripted.dialogs.queueFile(QStringLiteral("Gammal"));
    d.lblSave_Click();
    EXPECT_EQ(recordCount(QStringLiteral("Gammal.dat")), 13);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Gammal.dat"))).isWritable());
    d.AddButton_Click();
    d.Namn->setText(QStringLiteral("Ny"));
    d.OkButton_Click();
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(recordCount(QStringLiteral("Gammal.dat")), 14);
}
