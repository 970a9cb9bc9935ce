// The race model's list order and its new participants, on real files.
#include "Race.h"
#include "RuntimeError.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ListOrderAndNewParticipantTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(ListOrderAndNewParticipantTest, ListedRecordsFollowTheSortedListEqualEntriesLastAddedFirst) {
    writeRace(path(QStringLiteral("Höst.dat")), {{QStringLiteral("Östen"), QStringLiteral("S5")},
                                                 {QStringLiteral("Anna"), QStringLiteral("S1")},
                                                 {QStringLiteral("bertil"), QStringLiteral("S2")},
                                                 {QStringLiteral("anna"), QStringLiteral("S1")}});
    race::Race race;
    race.open(path(QStringLiteral("Höst.dat")));
    EXPECT_EQ(race.listedRecords(), (std::vector<int>{4, 2, 3, 1}));
}

TEST_F(ListOrderAndNewParticipantTest, AddedParticipantIsAppendedWithTheStartAndAnEmptyComment) {
    writeRace(path(QStringLiteral("Höst.dat")), {{QStringLiteral("Anna"), QStringLiteral("S1")}}, 37807.5);
    writeBytes(path(QStringLiteral("Höst.cmt")), "Vind SV");
    race::Race race;
    race.open(path(QStringLiteral("Höst.dat")));
    race.startRef() = race.lastStartTid();
    const int n =
        race.addParticipant(QStringLiteral("Bertil"), QStringLiteral("S2"), QStringLiteral("IF"), 1.13f);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(race.entry(2), QStringLiteral("Bertil , S2"));
    race::Race reread;
    reread.open(path(QStringLiteral("Höst.dat")), race::OpenFor::Reading);
    ASSERT_EQ(reread.recordCount(), 2);
    const DeltagarPost& post = reread.record(2);
    EXPECT_EQ(post.Namn.trimmed(), QStringLiteral("Bertil"));
    EXPECT_EQ(post.BTyp.trimmed(), QStringLiteral("IF"));
    EXPECT_FLOAT_EQ(post.LysTal, 1.13f);
    EXPECT_EQ(post.StartTid, 37807.5);
    EXPECT_EQ(post.MalTid, 0.0);
    EXPECT_EQ(post.KommentarPos, 8); // after the seven bytes already in the comment file
    EXPECT_EQ(post.KommentarLen, 0);
    EXPECT_EQ(readBytes(path(QStringLiteral("Höst.cmt"))), QByteArray("Vind SV"));
}

TEST_F(ListOrderAndNewParticipantTest, AddingToAReadOnlyRaceThrowsAndLeavesTheRaceAsItWas) {
    writeRace(path(QStringLiteral("Höst.dat")), {{QStringLiteral("Anna"), QStringLiteral("S1")}});
    makeReadOnly(path(QStringLiteral("Höst.dat")));
    const QByteArray before = readBytes(path(QStringLiteral("Höst.dat")));
    race::Race race;
    race.open(path(QStringLiteral("Höst.dat")));
    try {
        race.addParticipant(QStringLiteral("Bertil"), QStringLiteral("S2"), QString(), 1.0f);
        FAIL() << "a read-only race file took a record";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime_error_numbers::PathFileAccess);
    }
    EXPECT_EQ(race.liveRecords(), std::vector<int>{1});
    EXPECT_EQ(race.entry(2), QString());
    EXPECT_EQ(readBytes(path(QStringLiteral("Höst.dat"))), before);
}

} // namespace
