// "Exportera" writes what the result window shows; "Importera" adds an entry list after one question.
// The messages and dialogs of both are walked through in the scenarios; here is what reaches the disk.
#include "DeskFixture.h"

#include "ControlProps.h"
#include "RaceSidecar.h"
#include "frmResultat.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

// The whole list as the desk exports it is in the command-line export test; here a cell corrected by hand
// and a heading that the page must escape.
TEST_F(DeskTest, ExportWritesTheRowsAndHeadingAsTheWindowShowsThem) {
    writeFinishedRace();
    writeSettings(path(QStringLiteral("Höst.dat")), QString());
    frmMain& d = load();
    d.lblfrmRes_Click();
    frmResultat& r = d.resultat();
    r.lvw_ItemClick(4); // Bertil, corrected by hand
    r.lvwEdit[2]->setText(QStringLiteral("13:00:30"));
    r.lvwEdit_KeyPress(2, 13);
    r.txtRubrik->setText(QStringLiteral("Höstseglingen; \"final\""));
    scripted.dialogs.queueFile(path(QStringLiteral("Höst.csv")));
    d.lblExport_Click();
    EXPECT_TRUE(readBytes(path(QStringLiteral("Höst.csv")))
                    .contains("\r\nBertil;S2;10:00:00;13:00:30;3:00:00;1,000;3:00:00;1=;1,5\r\n"));
    scripted.dialogs.queueFile(path(QStringLiteral("Höst.html")));
    d.lblExport_Click();
    EXPECT_TRUE(readBytes(path(QStringLiteral("Höst.html"))).contains("Höstseglingen; &quot;final&quot;"));

    scripted.dialogs.queueFile(path(QStringLiteral("saknas/Höst.csv")));
    d.lblExport_Click();
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].contains(path(QStringLiteral("saknas/Höst.csv"))));
    EXPECT_TRUE(controls::ownVisible(&r));
}

class ImportTest : public DeskTest {
protected:
    // Cecilia (S3) and Anna (S1) in the race, not started.
    frmMain& race() {
        writeRace(QStringLiteral("Höst.dat"), {{QStringLiteral("Cecilia"), QStringLiteral("S3")},
                                               {QStringLiteral("Anna"), QStringLiteral("S1")}});
        writeSettings(path(QStringLiteral("Höst.dat")), QString());
        return load();
    }
    void import(frmMain& d, const QByteArray& bytes) {
        writeBytes(path(QStringLiteral("anmälda.csv")), bytes);
        scripted.dialogs.queueFile(path(QStringLiteral("anmälda.csv")));
        scripted.dialogs.queueAnswer(platform::Answer::OK);
        d.lblImport_Click();
    }
    const QByteArray entryList = "Namn;SegelId;BTyp;LysTal\r\n"
                                 "Bertil;S2;Folkbåt;1,13\r\n"
                                 "Örjan;S1;IF;1,05\r\n" // S1 is already in the race
                                 "Åsa;S9;;0.98\r\n";
};

TEST_F(ImportTest, ARefusedWriteOrAFileWithoutBoatsLeavesTheRaceFileAsItWas) {
    frmMain& d = race();
    const QByteArray before = readBytes(path(QStringLiteral("Höst.dat")));
    import(d, "\r\n;;;\r\n");
    scripted.dialogs.queueFile(dir.path()); // a folder cannot be read as a file
    d.lblImport_Click();
    EXPECT_TRUE(messageTexts().value(0).startsWith(QStringLiteral("Filen innehåller inga deltagare")));
    EXPECT_TRUE(messageTexts().value(1).startsWith(QStringLiteral("Filen kan inte läsas")));

    QFile::setPermissions(path(QStringLiteral("Höst.dat")), QFileDevice::ReadOwner);
    frmMain& readOnly = restart();
    import(readOnly, entryList);
    EXPECT_EQ(readBytes(path(QStringLiteral("Höst.dat"))), before);
    EXPECT_EQ(readOnly.lstDeltagare->ListCount(), 2);
    EXPECT_EQ(readOnly.AntalDeltagare, 2);
    EXPECT_TRUE(messageTexts().last().startsWith(QStringLiteral("Fel vid UppDatering")));
}

// An entry list that is a FIFO is refused at once with the reason, never read to wait for a writer.
TEST_F(ImportTest, AFifoChosenAsTheEntryListIsRefusedAtOnce) {
    frmMain& d = race();
    const QString fifo = path(QStringLiteral("anmälda.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    scripted.dialogs.queueFile(fifo);
    alarm(20); // a desk that waits for a writer ends the test here
    d.lblImport_Click();
    alarm(0);
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].contains(fifo));
    EXPECT_TRUE(messageTexts()[0].endsWith(QStringLiteral("Ingen vanlig fil")));
    EXPECT_EQ(d.lstDeltagare->ListCount(), 2);
}

// A fifth field puts the imported boat in its start group, kept in NAME.json.
TEST_F(ImportTest, AFifthFieldNamesTheBoatsStartGroup) {
    frmMain& d = race();
    import(d, "Bertil;S2;Folkbåt;1,13;SRS B\r\nÅsa;S9;;0.98\r\n");
    const race_data::RaceSidecar kept = race_data::readSidecar(path(QStringLiteral("Höst.dat"))).sidecar;
    EXPECT_EQ(kept.groups.groupOf, (std::map<int, QString>{{3, QStringLiteral("SRS B")}}));
    EXPECT_EQ(kept.groups.order, std::vector<QString>{QStringLiteral("SRS B")});
}
