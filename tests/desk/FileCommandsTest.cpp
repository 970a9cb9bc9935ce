// "Ny Startlista", "Öppna Startlista" and "Spara Som . . .".
#include "DeskFixture.h"

#include "ControlProps.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>

TEST_F(DeskTest, NewRaceFileStartsEmptyAndTakesRecordOne) {
    copyExample();
    frmMain& d = load();
    scripted.dialogs.queueFile(QStringLiteral("Vår"));
    d.lblNewFile_Click();
    const auto dialog = events(QStringLiteral("filedialog")).at(0);
    EXPECT_EQ(dialog.value(QStringLiteral("title")).toString(), QStringLiteral("Skriv i nya filens namn"));
    EXPECT_EQ(dialog.value(QStringLiteral("flags")).toInt(), 8192);
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Vår.dat"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Vår.cmt"))));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Brisrundan    Vår"));
    EXPECT_EQ(d.lstDeltagare->ListCount(), 0);
    EXPECT_TRUE(d.StartButton->isEnabled());
    EXPECT_EQ(race_data::LasInstallningar(race_data::settingsPath(dir.path())).DataFil,
              path(QStringLiteral("Vår.dat")));
    d.AddButton_Click();
    d.Namn->setText(QStringLiteral("Anna"));
    d.OkButton_Click();
    EXPECT_EQ(d.lstDeltagare->ItemData(0), 1);
    EXPECT_EQ(record(QStringLiteral("Vår.dat"), 1).Namn.trimmed(), QStringLiteral("Anna"));
}

TEST_F(DeskTest, OpeningRebuildsFlagsFromTheRecords) {
    copyExample();
    // Records 1 and 3 have finished; in list order (Anna, Bertil, Cecilia) they stand at 2 and 0.
    writeRace(QStringLiteral("Höst.dat"),
              {{QStringLiteral("Cecilia"), QStringLiteral("S3"), 1.0f, july5(13, 0, 0), 3.0 / 24},
               {QStringLiteral("Bertil"), QStringLiteral("S2")},
               {QStringLiteral("Anna"), QStringLiteral("S1"), 1.0f, july5(14, 0, 0), 4.0 / 24}},
              july5(10, 0, 0));
    frmMain& d = load();
    scripted.dialogs.queueFile(QStringLiteral("Höst.dat"));
    d.lblOpen_Click();
    EXPECT_EQ(d.BatarIMal, (QStringList{QStringLiteral("x"), QString(), QStringLiteral("x"), QString()}));
    EXPECT_EQ(d.lstDeltagare->List(0), QStringLiteral("Anna , S1")); // trimmed, as start-up lists it
    EXPECT_EQ(d.lstMg->ListCount(), 2);
    EXPECT_EQ(d.lstSortMG->ItemData(0), 1); // Cecilia's record
    EXPECT_FALSE(d.StartButton->isEnabled()) << "boats have finished: only the box corrects the start";
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Brisrundan     Höst     Start Lördag 5 Juli 2003"));
    EXPECT_TRUE(controls::ownVisible(d.panAdmin));
    const race_data::Installningar s = race_data::LasInstallningar(race_data::settingsPath(dir.path()));
    EXPECT_EQ(s.BatarIMalText, QStringLiteral("x**x*"));
}

TEST_F(DeskTest, CancelledOpenChangesNothing) {
    copyExample();
    frmMain& d = load();
    const QStringList before = entries(d.lstDeltagare);
    d.lblOpen_Click();
    EXPECT_EQ(entries(d.lstDeltagare), before);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Brisrundan     Exempel"));
    d.lstDeltagare->setListIndex(1);
    EXPECT_FALSE(d.Namn->Text().isEmpty()); // files still open
}

TEST_F(DeskTest, SaveAsCopiesBothFilesAndTheRaceGoesOnInTheCopy) {
    copyExample();
    writeRace(QStringLiteral("Gammal.dat"), {{QStringLiteral("Gammal"), QStringLiteral("S9")}});
    frmMain& d = load();
    scripted.dialogs.queueFile(QStringLiteral("Gammal"));
    d.lblSave_Click();
    EXPECT_EQ(recordCount(QStringLiteral("Gammal.dat")), 13);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Gammal.dat"))).isWritable());
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Gammal.cmt"))));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Brisrundan    Gammal"));
    d.AddButton_Click();
    d.Namn->setText(QStringLiteral("Ny"));
    d.OkButton_Click();
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(d.Namn->Text(), QStringLiteral("Ny"));
    EXPECT_EQ(recordCount(QStringLiteral("Gammal.dat")), 14);
    EXPECT_EQ(race_data::LasInstallningar(race_data::settingsPath(dir.path())).DataFil,
              path(QStringLiteral("Gammal.dat")));
}
