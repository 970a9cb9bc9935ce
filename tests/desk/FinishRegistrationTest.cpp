#include "DeskFixture.h"

using namespace Qt::StringLiterals;

TEST_F(DeskTest, TypedTimesForFinishedAndWaitingBoats) {
    frmMain& d = startedRace({{u"Anna"_s, u"S123"_s, 1.0f}, {u"Bertil"_s, u"S2"_s, 1.13f}});
    queue(d, 0);
    queue(d, 1);
    clock(2003, 7, 5, 14, 5, 9);
    d.lstMg->setListIndex(0);
    // An unreadable time changes nothing and asks nothing.
    d.MTid->setText(u"kvart över"_s);
    d.typeChar(d.MTid, 13);
    // A typed time the next morning keeps Anna's finish date, after a question.
    clock(2003, 7, 6, 9, 0, 0);
    d.MTid->setText(u"14:5"_s);
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    d.typeChar(d.MTid, 13);
    EXPECT_EQ(record(u"Höst.dat"_s, 1).MalTid, july5(14, 5, 0));
    EXPECT_EQ(messageTexts(), QStringList{u"Ändra målgång för Anna från 14:05:09 till 14:05:00?"_s});
    // Bertil waits, selected but not clicked: today's date after one question (Yes by default), no sound.
    d.lstMg->setCurrentRow(1);
    d.MTid->setText(u"11:00:00"_s);
    d.typeChar(d.MTid, 13);
    const DeltagarPost bertil = record(u"Höst.dat"_s, 2);
    EXPECT_EQ(bertil.MalTid, 37808.0 + 11.0 / 24);
    EXPECT_NEAR(bertil.KorrigeradTid, 1.13 * (1 + 1.0 / 24), 1e-7);
    EXPECT_EQ(d.lstMg->List(1), u"¤Bertil , S2"_s);
    EXPECT_EQ(events(u"sound"_s).size(), 1u);
    EXPECT_EQ(messageTexts().value(1), u"Registrera målgång för Bertil kl 11:00:00?"_s);
}
