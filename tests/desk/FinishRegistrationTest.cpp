// Typed finish times; what a click registers is on the disk in the durability test, what the panel
// shows in the finish-restart scenario.
#include "DeskFixture.h"

class FinishTest : public DeskTest {
protected:
    // Anna (LYS 1.00) and Bertil (LYS 1.13), started at 10:00:00 on 5 July 2003.
    frmMain& started() {
        return startedRace({{QStringLiteral("Anna"), QStringLiteral("S123"), 1.0f},
                            {QStringLiteral("Bertil"), QStringLiteral("S2"), 1.13f}});
    }
    void click(frmMain& d, int queueIndex) { d.lstMg->setListIndex(queueIndex); }
};

TEST_F(FinishTest, TypedTimesForFinishedAndWaitingBoats) {
    frmMain& d = started();
    queue(d, 0);
    queue(d, 1);
    clock(2003, 7, 5, 14, 5, 9);
    click(d, 0);
    // Anna has finished: a typed time keeps her finish date after a question.
    clock(2003, 7, 6, 9, 0, 0);
    d.MTid->setText(QStringLiteral("14:5"));
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    d.typeChar(d.MTid, 13);
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 1).MalTid, july5(14, 5, 0));
    EXPECT_EQ(messageTexts(),
              QStringList{QStringLiteral("Ändra målgång för Anna från 14:05:09 till 14:05:00?")});
    // Bertil waits, selected but not clicked: today's date and the typed time after one question
    // (Yes by default), no sound, and his queue entry marked.
    d.lstMg->setCurrentRow(1);
    d.MTid->setText(QStringLiteral("11:00:00"));
    d.typeChar(d.MTid, 13);
    const DeltagarPost bertil = record(QStringLiteral("Höst.dat"), 2);
    EXPECT_EQ(bertil.MalTid, 37808.0 + 11.0 / 24);
    EXPECT_NEAR(bertil.KorrigeradTid, 1.13 * (1 + 1.0 / 24), 1e-7);
    EXPECT_EQ(d.lstMg->List(1), QStringLiteral("¤Bertil , S2"));
    EXPECT_EQ(events(QStringLiteral("sound")).size(), 1u);
    EXPECT_EQ(messageTexts().value(1), QStringLiteral("Registrera målgång för Bertil kl 11:00:00?"));
    EXPECT_EQ(events(QStringLiteral("beep")).size(), 2u);
    // Ended from outside, no shutdown code ran: the typed finish is in the race file and the queue.
    EXPECT_EQ(entries(restart().lstMg),
              (QStringList{QStringLiteral("¤Anna , S123"), QStringLiteral("¤Bertil , S2")}));
}

TEST_F(FinishTest, UnreadableTypedTimeChangesNothing) {
    frmMain& d = started();
    queue(d, 0);
    click(d, 0);
    const DeltagarPost before = record(QStringLiteral("Höst.dat"), 1);
    d.MTid->setText(QStringLiteral("kvart över"));
    d.typeChar(d.MTid, 13);
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 1).MalTid, before.MalTid);
    EXPECT_TRUE(messageTexts().isEmpty());
}
