// The race's journal: one line per change of the race. A journal that cannot be written is walked
// through in the scenarios.
#include "DeskFixture.h"

#include <QFile>

class JournalTest : public DeskTest {
protected:
    frmMain& raceWithAnna() {
        writeRace(QStringLiteral("Höst.dat"), {{QStringLiteral("Anna"), QStringLiteral("S123"), 1.0f},
                                               {QStringLiteral("Bertil"), QStringLiteral("S2"), 1.13f}});
        writeSettings(path(QStringLiteral("Höst.dat")), QString());
        clock(2003, 7, 5, 10, 0, 0);
        return load();
    }
    QStringList journal() const {
        QFile f(path(QStringLiteral("Höst.log")));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    }
};

TEST_F(JournalTest, EveryKindOfRegistrationAndStartChangeGetsItsLine) {
    frmMain& d = raceWithAnna();
    d.StartButton_Click();
    d.lblPanSM_Click();
    clock(2003, 7, 5, 14, 5, 9);
    queue(d, 0);
    d.lstMg->setListIndex(0);
    clock(2003, 7, 5, 14, 5, 29);
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    d.lstMg->setListIndex(0);
    clock(2003, 7, 5, 14, 10, 0);
    d.MTid->setText(QStringLiteral("14:06:00"));
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    d.MTid_KeyPress(13);
    d.txtStartTid->setText(QStringLiteral("2003-07-05    09:59:00"));
    for (const platform::Answer a : {platform::Answer::OK, platform::Answer::Yes, platform::Answer::OK})
        scripted.dialogs.queueAnswer(a);
    d.txtStartTid_KeyPress(13);
    d.txtSegelNr->setText(QStringLiteral("S2"));
    d.txtSegelNr_KeyPress(13);
    d.lstDeltagare->setListIndex(0);
    d.EditButton_Click();
    d.LysTal->setText(QStringLiteral("1,10"));
    d.BTyp->setText(QStringLiteral("IF"));
    d.OkButton_Click();
    EXPECT_EQ(
        journal(),
        (QStringList{
            QStringLiteral("Tidpunkt;Händelse;Post;Namn;SegelId;Gammalt värde;Nytt värde;Källa"),
            QStringLiteral("2003-07-05 10:00:00;start;;;;;2003-07-05 10:00:00;"),
            QStringLiteral("2003-07-05 14:05:09;mål;1;Anna;S123;;2003-07-05 14:05:09;klick"),
            QStringLiteral(
                "2003-07-05 14:05:29;ny tid;1;Anna;S123;2003-07-05 14:05:09;2003-07-05 14:05:29;klick"),
            QStringLiteral("2003-07-05 14:10:00;ny tid;1;Anna;S123;2003-07-05 14:05:29;2003-07-05 "
                           "14:06:00;inskriven tid"),
            QStringLiteral("2003-07-05 14:10:00;start;;;;2003-07-05 10:00:00;2003-07-05 09:59:00;"),
            QStringLiteral("2003-07-05 14:10:00;korrigerad tid;1;Anna;S123;4:06:00;4:07:00;"),
            QStringLiteral("2003-07-05 14:10:00;mål;2;Bertil;S2;;2003-07-05 14:10:00;segelnr"),
            QStringLiteral("2003-07-05 14:10:00;båttyp;1;Anna;S123;;IF;"),
            QStringLiteral("2003-07-05 14:10:00;lystal;1;Anna;S123;1,000;1,100;"),
            QStringLiteral("2003-07-05 14:10:00;korrigerad tid;1;Anna;S123;4:07:00;4:31:42;"), QString()}));
}
