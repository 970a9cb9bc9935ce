// Giving and changing the common start.
#include "DeskFixture.h"

#include "ControlProps.h"

namespace {

std::vector<Boat> boats(int n) {
    std::vector<Boat> list;
    for (int i = 0; i < n; ++i)
        list.push_back(
            {QStringLiteral("Båt %1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("SWE %1").arg(i)});
    return list;
}

} // namespace

class StartTest : public DeskTest {
protected:
    frmMain& race(int n) {
        writeRace(QStringLiteral("Höst.dat"), boats(n));
        writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("NC"));
        clock(2003, 7, 5, 10, 0, 0);
        return load();
    }
};

TEST_F(StartTest, FirstStartSavesEveryBoatAndFillsTheApproachList) {
    frmMain& d = race(12);
    d.lblPanSM_Click();
    d.StartButton_Click();
    EXPECT_EQ(d.GemensamStart, july5(10, 0, 0));
    EXPECT_EQ(d.BatarIMalText, QString(11, QLatin1Char('*')));
    EXPECT_EQ(entries(d.lstPG), entries(d.lstDeltagare));
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(record(QStringLiteral("Höst.dat"), n).StartTid, july5(10, 0, 0)) << n;
    EXPECT_EQ(d.txtStartTid->text(), QStringLiteral("2003-07-05    10:00:00"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Brisrundan     Höst     Start Lördag 5 Juli 2003"));
    EXPECT_TRUE(messageTexts().isEmpty());
}

// Before any start a typed start needs no question, and the race is under way: the sail-number box is
// there.
TEST_F(StartTest, TypedStartBeforeAnyStartNeedsNoQuestion) {
    frmMain& d = race(2);
    d.txtStartTid->setText(QStringLiteral("2003-07-05    10:15:00"));
    d.typeChar(d.txtStartTid, 13);
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(d.GemensamStart, july5(10, 15, 0));
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 2).StartTid, july5(10, 15, 0));
    EXPECT_EQ(d.lstPG->ListCount(), 2);
    EXPECT_TRUE(controls::ownVisible(d.txtSegelNr));
}

TEST_F(StartTest, UnreadableStartTextChangesNothing) {
    frmMain& d = race(2);
    d.StartButton_Click();
    d.txtStartTid->setText(QStringLiteral("i morgon bitti"));
    d.typeChar(d.txtStartTid, 13);
    EXPECT_EQ(d.GemensamStart, july5(10, 0, 0));
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 1).StartTid, july5(10, 0, 0));
    EXPECT_TRUE(controls::ownVisible(d.StartMsg));
    EXPECT_TRUE(messageTexts().isEmpty());
}

// A start moved after finishes is walked through with its questions in the journal test and the
// scenarios; Cancel at the last question keeps the start and puts its text back.
TEST_F(StartTest, ChangingTheStartAfterFinishesWarnsInOrderAndCancelRestoresTheText) {
    frmMain& d = race(3);
    d.StartButton_Click();
    queue(d, 0);
    clock(2003, 7, 5, 12, 0, 0);
    d.lstMg->setListIndex(0);
    d.txtStartTid->setText(QStringLiteral("2003-07-05    10:30:00"));
    scripted.dialogs.queueAnswer(platform::Answer::OK);
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    scripted.dialogs.queueAnswer(platform::Answer::Cancel);
    d.typeChar(d.txtStartTid, 13);
    EXPECT_EQ(messageTexts(),
              (QStringList{QStringLiteral("Du bör inte ändra StartTid\r\nnär det finns båtar som gått i mål"),
                           QStringLiteral("Vill du ha ny StartTid ?"),
                           QStringLiteral("Nu måste du tänka till\r\ndet finns båtar som gått i mål\r\n"
                                          "deras seglade och korrigerade tider räknas om !")}));
    EXPECT_EQ(d.txtStartTid->text(), QStringLiteral("2003-07-05    10:00:00"));
    EXPECT_EQ(d.GemensamStart, july5(10, 0, 0));
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 1).StartTid, july5(10, 0, 0));
}
