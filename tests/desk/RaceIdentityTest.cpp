// A boat is its record number: edits, additions and removals during a race never move a finish, a
// mark or a queue entry to another boat, and every registered finish comes back after a restart.
#include "DeskFixture.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

const QString Race = QStringLiteral("Höst.dat");

} // namespace

class RaceIdentityTest : public DeskTest {
protected:
    void finish(frmMain& d, int queueIndex, int hour) {
        clock(2003, 7, 5, hour, 0, 0);
        d.lstMg->setListIndex(queueIndex);
    }
    void rename(frmMain& d, int position, const QString& namn) {
        d.lstDeltagare->setListIndex(position);
        d.EditButton_Click();
        d.Namn->setText(namn);
        d.OkButton_Click();
    }
    std::vector<std::pair<QString, int>> itemsOf(const controls::ListBox* list) const {
        std::vector<std::pair<QString, int>> items;
        for (int i = 0; i < list->ListCount(); ++i)
            items.emplace_back(list->List(i), list->ItemData(i));
        return items;
    }
};

TEST_F(RaceIdentityTest, RenamedQueuedBoatGetsItsOwnFinish) {
    frmMain& d = startedRace();
    queue(d, 0);                          // Alfa
    rename(d, 0, QStringLiteral("Zulu")); // now sorts after Beta and Cesar
    EXPECT_EQ(itemsOf(d.lstPG), itemsOf(d.lstDeltagare));
    EXPECT_EQ(entries(d.lstMg), QStringList{QStringLiteral("Zulu , S1")});
    finish(d, 0, 11);
    EXPECT_EQ(record(Race, 1).MalTid, july5(11, 0, 0));
    EXPECT_EQ(record(Race, 2).MalTid, 0.0);
    EXPECT_EQ(record(Race, 3).MalTid, 0.0);
    EXPECT_EQ(d.BatarIMal.mid(0, 3), (QStringList{QString(), QString(), QStringLiteral("x")}));
    frmMain& again = restart();
    EXPECT_EQ(itemsOf(again.lstMg),
              (std::vector<std::pair<QString, int>>{{QStringLiteral("¤Zulu , S1"), 1}}));
}

TEST_F(RaceIdentityTest, NewParticipantDuringARaceKeepsTheFinishes) {
    frmMain& d = startedRace();
    queue(d, 1);
    finish(d, 0, 11); // Beta
    d.AddButton_Click();
    d.Namn->setText(QStringLiteral("Alma"));
    d.OkButton_Click(); // sorts first: every position after it moves
    EXPECT_EQ(d.BatarIMal.mid(0, 4), (QStringList{QString(), QString(), QStringLiteral("x"), QString()}));
    frmMain& again = restart();
    EXPECT_EQ(itemsOf(again.lstMg),
              (std::vector<std::pair<QString, int>>{{QStringLiteral("¤Beta , S2"), 2}}));
    EXPECT_EQ(record(Race, 4).Namn.trimmed(), QStringLiteral("Alma"));
}

TEST_F(RaceIdentityTest, RemovedBoatLeavesTheQueueAndTheOthersKeepTheirMarks) {
    frmMain& d = startedRace();
    queue(d, 0);
    queue(d, 2);
    finish(d, 1, 11); // Cesar
    d.lstDeltagare->setListIndex(0);
    scripted.dialogs.queueAnswer(platform::Answer::OK);
    scripted.dialogs.queueAnswer(platform::Answer::Cancel); // go on removing: no reopening
    d.DeleteButton_Click();
    EXPECT_EQ(record(Race, 1).Borttagen, -1);
    EXPECT_EQ(itemsOf(d.lstMg), (std::vector<std::pair<QString, int>>{{QStringLiteral("¤Cesar , S3"), 3}}));
    EXPECT_EQ(itemsOf(d.lstSortMG), (std::vector<std::pair<QString, int>>{{QStringLiteral("00010000"), 3}}));
    EXPECT_EQ(d.BatarIMal.mid(0, 2), (QStringList{QString(), QStringLiteral("x")}));
}

TEST_F(RaceIdentityTest, ArrowKeysInTheFinishQueueOnlyMoveTheHighlight) {
    frmMain& d = startedRace();
    queue(d, 0);
    queue(d, 1);
    d.lstMg->setCurrentRow(0);
    for (const int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Down}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(d.lstMg, &press);
    }
    EXPECT_EQ(d.lstMg->ListIndex(), 1);
    EXPECT_TRUE(events(QStringLiteral("sound")).empty());
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(record(Race, 1).MalTid, 0.0);
    EXPECT_EQ(record(Race, 2).MalTid, 0.0);
}
