// What "Exportera" and "Importera" leave on the disk; their messages and dialogs are in the scenarios.
#include "DeskFixture.h"

#include "frmResultat.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

TEST_F(DeskTest, ExportWritesTheRowsAsTheWindowShowsThem) {
    writeFinishedRace();
    writeSettings(path(u"Höst.dat"_s), QString());
    frmMain& d = load();
    d.lblfrmRes_Click();
    frmResultat& r = d.resultat();
    r.lvw_ItemClick(4); // Bertil, corrected by hand
    r.lvwEdit[2]->setText(u"13:00:30"_s);
    r.lvwEdit_KeyPress(2, 13);
    scripted.dialogs.queueFile(path(u"Höst.csv"_s));
    d.lblExport_Click();
    EXPECT_TRUE(readBytes(path(u"Höst.csv"_s))
                    .contains("\r\nBertil;S2;10:00:00;13:00:30;3:00:00;1,000;3:00:00;1=;1,5\r\n"));
}

// An entry list without boats, a folder or a FIFO (never waited on) is told; a read-only race stays whole.
TEST_F(DeskTest, ARefusedImportLeavesTheRaceAsItWas) {
    frmMain& d = openRace(u"Höst.dat"_s, {{u"Cecilia"_s, u"S3"_s}, {u"Anna"_s, u"S1"_s}});
    const QByteArray before = readBytes(path(u"Höst.dat"_s));
    const QString list = path(u"anmälda.csv"_s), fifo = path(u"rör.csv"_s);
    writeBytes(list, "\r\n;;;\r\n");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    alarm(20); // a desk that waits for a writer ends the test here
    for (const QString& chosen : {list, dir.path(), fifo}) {
        scripted.dialogs.queueFile(chosen);
        d.lblImport_Click();
    }
    alarm(0);
    ASSERT_EQ(messageTexts().size(), 3);
    EXPECT_TRUE(messageTexts()[0].startsWith(u"Filen innehåller inga deltagare"_s));
    EXPECT_TRUE(messageTexts()[1].startsWith(u"Filen kan inte läsas"_s));
    EXPECT_TRUE(messageTexts()[2].contains(fifo) && messageTexts()[2].endsWith(u"Ingen vanlig fil"_s));

    writeBytes(list, "Bertil;S2;Folkbåt;1,13\r\nÅsa;S9;;0.98\r\n");
    QFile::setPermissions(path(u"Höst.dat"_s), QFileDevice::ReadOwner);
    frmMain& readOnly = restart();
    scripted.dialogs.queueFile(list);
    scripted.dialogs.queueAnswer(platform::Answer::OK);
    readOnly.lblImport_Click();
    EXPECT_EQ(readBytes(path(u"Höst.dat"_s)), before);
    EXPECT_EQ(readOnly.lstDeltagare->ListCount(), 2);
    EXPECT_TRUE(messageTexts().last().startsWith(u"Fel vid UppDatering"_s));
}
