// "Exportera" writes what the result window shows; "Importera" adds an entry list after one question.
#include "DeskFixture.h"

#include "ControlProps.h"
#include "frmResultat.h"

#include <QFile>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class ExchangeTest : public DeskTest {
protected:
    // Anna and Bertil finished, started 10:00:00 on 5 July 2003; the result list on show.
    frmMain& resultsShown() {
        writeRace(QStringLiteral("Höst.dat"),
                  {{QStringLiteral("Anna"), QStringLiteral("S1"), 1.0f, july5(14, 0, 0), 4.0 / 24},
                   {QStringLiteral("Bertil"), QStringLiteral("S2"), 1.0f, july5(13, 0, 0), 3.0 / 24}},
                  july5(10, 0, 0));
        writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("x*x*"));
        frmMain& d = load();
        d.lblfrmRes_Click();
        return d;
    }
    // Row 3 (Bertil) corrected by hand to finish 13:00:30, and a heading typed.
    void editByHand(frmResultat& r) {
        r.lvw_ItemClick(3);
        r.lvwEdit[2]->setText(QStringLiteral("13:00:30"));
        r.lvwEdit_KeyPress(2, 13);
        r.txtRubrik->setText(QStringLiteral("Höstseglingen; \"final\""));
    }
};

TEST_F(ExchangeTest, ExportWritesTheRowsAndHeadingAsTheWindowShowsThem) {
    frmMain& d = resultsShown();
    editByHand(d.resultat());
    scripted.dialogs.queueFile(path(QStringLiteral("Höst.csv")));
    d.lblExport_Click();
    const QByteArray csv = contents(path(QStringLiteral("Höst.csv")));
    EXPECT_EQ(csv, QStringLiteral("\uFEFFNamn;Start;Mål;Seglad Tid;LysTal;Korrigerad Tid;Plac.\r\n"
                                  "Bertil , S2;10:00:00;13:00:30;3:00:00;1,00;3:00:00;1\r\n"
                                  "Anna , S1;10:00:00;14:00:00;4:00:00;1,00;4:00:00;2\r\n")
                       .toUtf8());
    scripted.dialogs.queueFile(path(QStringLiteral("Höst.html")));
    d.lblExport_Click();
    const QString html = QString::fromUtf8(contents(path(QStringLiteral("Höst.html"))));
    EXPECT_TRUE(html.contains(QStringLiteral("Höstseglingen; &quot;final&quot;"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("13:00:30")));
    const QJsonObject dialog = events(QStringLiteral("filedialog")).at(0);
    EXPECT_EQ(dialog.value(QStringLiteral("title")).toString(), QStringLiteral("Exportera ResultatLista"));
    EXPECT_EQ(dialog.value(QStringLiteral("initDir")).toString(), dir.path());
    EXPECT_EQ(dialog.value(QStringLiteral("fileName")).toString(), QStringLiteral("Höst"));
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(ExchangeTest, ExportNeedsTheResultListAndReportsAFailedWrite) {
    frmMain& d = resultsShown();
    d.lblPanD_Click();
    d.lblExport_Click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Du måste välja ResultatLista först")});
    EXPECT_TRUE(events(QStringLiteral("filedialog")).empty());

    d.lblfrmRes_Click();
    const QString missingFolder = path(QStringLiteral("saknas/Höst.csv"));
    scripted.dialogs.queueFile(missingFolder);
    d.lblExport_Click();
    ASSERT_EQ(messageTexts().size(), 2);
    EXPECT_TRUE(messageTexts()[1].contains(missingFolder));
    EXPECT_TRUE(controls::ownVisible(&d.resultat()));
    EXPECT_EQ(d.resultat().lvw->RowCount(), 4);
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
    void import(frmMain& d, const QByteArray& bytes, platform::Answer answer) {
        writeFile(path(QStringLiteral("anmälda.csv")), bytes);
        scripted.dialogs.queueFile(path(QStringLiteral("anmälda.csv")));
        scripted.dialogs.queueAnswer(answer);
        d.lblImport_Click();
    }
    const QByteArray entryList = "Namn;SegelId;BTyp;LysTal\r\n"
                                 "Bertil;S2;Folkbåt;1,13\r\n"
                                 "Örjan;S1;IF;1,05\r\n" // S1 is already in the race
                                 "Åsa;S9;;0.98\r\n";
};

TEST_F(ImportTest, OkAddsEveryGoodLineSortedWithItsRecordOnDisk) {
    frmMain& d = race();
    import(d, entryList, platform::Answer::OK);
    EXPECT_EQ(entries(d.lstDeltagare),
              (QStringList{QStringLiteral("Anna , S1"), QStringLiteral("Bertil , S2"),
                           QStringLiteral("Cecilia , S3"), QStringLiteral("Åsa , S9")}));
    EXPECT_EQ(d.lstDeltagare->ItemData(1), 3);
    EXPECT_EQ(d.lstDeltagare->ItemData(3), 4);
    EXPECT_EQ(d.AntalDeltagare, 4);
    EXPECT_EQ(d.panDeltagare->caption(), QStringLiteral("  DeltagarLista 4  båtar"));
    ASSERT_EQ(recordCount(QStringLiteral("Höst.dat")), 4);
    const DeltagarPost asa = record(QStringLiteral("Höst.dat"), 4);
    EXPECT_EQ(asa.Namn.trimmed(), QStringLiteral("Åsa"));
    EXPECT_FLOAT_EQ(asa.LysTal, 0.98f);
    EXPECT_EQ(asa.MalTid, 0.0);
    EXPECT_EQ(asa.KommentarLen, 0);
    EXPECT_EQ(asa.Borttagen, 0);
    const QString question = messageTexts().value(0);
    EXPECT_TRUE(question.contains(QStringLiteral("Höst"))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("3"))) << question.toStdString();
    // A reload lists the same boats in the same places.
    const QStringList shown = entries(d.lstDeltagare);
    frmMain& again = restart();
    EXPECT_EQ(entries(again.lstDeltagare), shown);
}

TEST_F(ImportTest, CancelAndARefusedWriteLeaveTheRaceFileAsItWas) {
    frmMain& d = race();
    const QByteArray before = contents(path(QStringLiteral("Höst.dat")));
    import(d, entryList, platform::Answer::Cancel);
    EXPECT_EQ(contents(path(QStringLiteral("Höst.dat"))), before);
    EXPECT_EQ(d.lstDeltagare->ListCount(), 2);

    QFile::setPermissions(path(QStringLiteral("Höst.dat")), QFileDevice::ReadOwner);
    frmMain& readOnly = restart();
    import(readOnly, entryList, platform::Answer::OK);
    EXPECT_EQ(contents(path(QStringLiteral("Höst.dat"))), before);
    EXPECT_EQ(readOnly.lstDeltagare->ListCount(), 2);
    EXPECT_EQ(readOnly.AntalDeltagare, 2);
    EXPECT_TRUE(messageTexts().last().startsWith(QStringLiteral("Fel vid UppDatering")));
}

TEST_F(ImportTest, EmptyOrUnreadableFileIsReportedAndNothingWritten) {
    frmMain& d = race();
    const QByteArray before = contents(path(QStringLiteral("Höst.dat")));
    import(d, "\r\n;;;\r\n", platform::Answer::OK);
    scripted.dialogs.queueFile(dir.path()); // a folder cannot be read as a file
    d.lblImport_Click();
    ASSERT_EQ(messageTexts().size(), 2);
    EXPECT_TRUE(messageTexts()[0].startsWith(QStringLiteral("Filen innehåller inga deltagare")));
    EXPECT_TRUE(messageTexts()[1].startsWith(QStringLiteral("Filen kan inte läsas")));
    EXPECT_EQ(contents(path(QStringLiteral("Höst.dat"))), before);
}
