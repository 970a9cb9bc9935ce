// The race model over real files: its list order, a new participant, a registration's record on disk,
// the queue's rules, restoring a race under way from its flags and records, and removal.
#include "Race.h"
#include "FinishJournal.h"
#include "RaceSidecar.h"
#include "RuntimeError.h"
#include "ScoredText.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const double Start = july5(10, 0, 0);

class RaceTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QString race() const { return path("Höst.dat"); }
    void write(const std::vector<Boat>& boats) { writeRace(race(), boats, Start); }
    DeltagarPost onDisk(int n) const {
        race_data::RaceFiles files;
        files.open(race());
        return files.readRecord(n);
    }
    race::Race& opened() {
        r.open(race());
        r.restoreUnderWay();
        return r;
    }

    QTemporaryDir dir;
    race::Race r;
};

std::vector<int> records(const std::vector<race::Ranking::Entry>& entries) {
    std::vector<int> numbers;
    for (const race::Ranking::Entry& e : entries)
        numbers.push_back(e.record);
    return numbers;
}

} // namespace

TEST_F(RaceTest, ListedRecordsFollowTheSortedListEqualEntriesLastAddedFirst) {
    write({{"Östen", "S5"}, {"Anna", "S1"}, {"bertil", "S2"}, {"anna", "S1"}});
    EXPECT_EQ(opened().listedRecords(), (std::vector<int>{4, 2, 3, 1}));
}

TEST_F(RaceTest, AddedParticipantIsAppendedWithTheStartAndAnEmptyComment) {
    write({{"Anna", "S1"}});
    writeBytes(path("Höst.cmt"), "Vind SV");
    race::Race& race = opened();
    EXPECT_EQ(race.addParticipant("Bertil", "S2", "IF", 1.13f), 2);
    EXPECT_EQ(race.entry(2), "Bertil , S2");
    const DeltagarPost post = onDisk(2); // the desk's participant tests check the rest of the record
    EXPECT_EQ(post.BTyp.trimmed(), "IF");
    EXPECT_EQ(post.StartTid, Start);
    EXPECT_EQ(post.KommentarPos, 8); // after the seven bytes already in the comment file
    EXPECT_EQ(readBytes(path("Höst.cmt")), "Vind SV");
}

TEST_F(RaceTest, AddingToAReadOnlyRaceThrowsAndLeavesTheRaceAsItWas) {
    write({{"Anna", "S1"}});
    makeReadOnly(race());
    const QByteArray before = readBytes(race());
    race::Race& race = opened();
    const std::optional<RuntimeError> error =
        failureOf([&] { race.addParticipant("Bertil", "S2", "", 1.0f); });
    ASSERT_TRUE(error) << "a read-only race file took a record";
    EXPECT_EQ(error->number(), runtime_error_numbers::PathFileAccess);
    EXPECT_EQ(race.liveRecords(), std::vector<int>{1});
    EXPECT_EQ(readBytes(this->race()), before);
}

TEST_F(RaceTest, RegistrationStoresTheTimesAsTheDeskShowsThemAndTheCommentAgain) {
    write({{.namn = "  Anna  ", .segelId = "S1", .lysTal = 1.0574f, .comment = "Vind 5"}});
    race::Race& race = opened();
    EXPECT_EQ(race.entry(1), "Anna , S1"); // shown without the blanks the record holds
    ASSERT_EQ(race.enqueue(1), 0);
    const race::Finish f = race.registerFinish(1, july5(14, 0, 0));
    EXPECT_FALSE(f.failure);
    EXPECT_EQ(f.entry, "Anna , S1");
    const DeltagarPost saved = onDisk(1);
    EXPECT_EQ(saved.MalTid, july5(14, 0, 0));
    EXPECT_EQ(saved.SeglTid, july5(14, 0, 0) - Start);
    EXPECT_EQ(saved.LysTal, 1.057f); // the rating takes part with three decimals
    EXPECT_EQ(saved.KorrigeradTid, (july5(14, 0, 0) - Start) * double(1.057f));
    EXPECT_EQ(saved.Namn.trimmed(), "Anna"); // stored as the panel shows it
    EXPECT_EQ(saved.KommentarPos, 7);        // the second copy of "Vind 5"
    EXPECT_EQ(readBytes(path("Höst.cmt")), "Vind 5Vind 5");
    EXPECT_EQ(race.comment(1), "Vind 5");
    EXPECT_EQ(race.ranking().at(0).key, "00041341");
}

TEST_F(RaceTest, BoatsQueuedSinceTheLastRegistrationAreRankedWithIt) {
    write({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    race::Race& race = opened();
    for (const int n : {1, 2, 3})
        race.enqueue(n);
    const race::Finish f = race.registerFinish(2, july5(12, 0, 0));
    ASSERT_EQ(f.moves.size(), 4u); // three boats ranked, then B moved to its time
    EXPECT_EQ(f.moves.back().record, 2);
    EXPECT_EQ(f.moves.back().removedAt, 1);
    EXPECT_EQ(f.moves.back().insertedAt, 2);
    EXPECT_EQ(records(race.ranking()), (std::vector<int>{1, 3, 2})); // waiting boats rank with 0:00:00
}

TEST_F(RaceTest, QueueRefusesFinishedBoatsAndAnEntryThatReadsExactlyAlike) {
    write({{"Anna", "S1"}, {"Anna", "S1"}, {"Bo", "S2", 1.0f, july5(12, 0, 0)}, {"Cy", ""}});
    race::Race& race = opened();
    race.clearQueue();
    race.restoreMarks({4}, {"NC"});
    race.markFinishedRecords();
    EXPECT_EQ(race.enqueue(1), 0);
    EXPECT_EQ(race.enqueue(2), -1);  // the same text waits already
    EXPECT_EQ(race.enqueue(3), -1);  // finished (from its record)
    EXPECT_EQ(race.enqueue(4), 1);   // a strange mark lets it queue...
    EXPECT_TRUE(race.registered(4)); // ...but counts as registered for a click
    race.registerFinish(1, july5(13, 0, 0));
    race.markQueued(0);
    EXPECT_EQ(race.queueText(0), "¤Anna , S1");
    EXPECT_EQ(race.enqueue(2), 2); // once the first has finished (and shows "¤"), its twin may queue
}

// Marks come back by list position and from the records, the queue once per boat even from a damaged
// NAME.json that lists a boat twice.
TEST_F(RaceTest, RestoringMarksByPositionAndFromRecords) {
    write({{"Cecilia", "S3", 1.0f, july5(13, 0, 0)}, {"Bertil", "S2"}, {"Anna", "S1"}});
    race_data::RaceSidecar sidecar;
    sidecar.queue = {1, 3, 3}; // the saved order, not the list's
    race_data::writeSidecar(race(), sidecar);
    race::Race& race = opened();
    const std::vector<int> listOrder = {3, 2, 1}; // Anna, Bertil, Cecilia
    race.restoreMarks(listOrder, {"x", ""});
    race.markFinishedRecords();
    EXPECT_EQ(race.marksByPosition(listOrder), (QStringList{"x", "", "x"}));
    race.restoreQueue(listOrder);
    ASSERT_EQ(race.queue().size(), 2u);
    EXPECT_EQ(race.queueText(0), "¤Cecilia , S3");
    EXPECT_EQ(race.queueText(1), "¤Anna , S1");
    EXPECT_EQ(race.ranking()[0].record, 3); // Anna has no time in her record: 0:00:00 ranks first
}

TEST_F(RaceTest, RemovedBoatLeavesMarksQueueAndRanking) {
    write({{"A", "1"}, {"B", "2"}});
    race::Race& race = opened();
    race.enqueue(1);
    race.enqueue(2);
    race.registerFinish(1, july5(12, 0, 0));
    EXPECT_EQ(race.deleteParticipant(1, race.record(1)), 0);
    EXPECT_EQ(onDisk(1).Borttagen, -1);
    EXPECT_FALSE(race.registered(1));
    ASSERT_EQ(race.queue().size(), 1u);
    EXPECT_EQ(race.queue()[0].record, 2);
    EXPECT_EQ(records(race.ranking()), std::vector<int>{2});
    EXPECT_EQ(race.liveRecords(), std::vector<int>{2});
}

// A moved start times every finished boat from it, re-ranks them and reaches the deleted records too, since
// a load reads the start from the file's last record; a race file that takes no write keeps its old start.
TEST_F(RaceTest, AMovedStartRetimesFinishedBoatsAndAReadOnlyRaceKeepsItsStart) {
    write({{.namn = "Anna", .segelId = "S1", .lysTal = 1.2f, .malTid = july5(11, 0, 0)},
           {.namn = "Bertil", .segelId = "S2", .lysTal = 0.8f, .malTid = july5(11, 10, 0)},
           {.namn = "Cilla", .segelId = "S3", .borttagen = -1}});
    race::Race& moved = opened();
    const race::StartChange change = moved.setStart(july5(10, 30, 0));
    EXPECT_FALSE(change.failure);
    EXPECT_FALSE(change.kept);
    ASSERT_EQ(change.recomputed.size(), 2u);
    EXPECT_NEAR(onDisk(1).KorrigeradTid, 36.0 / 1440, 1e-9); // 0:30:00 x 1,20
    EXPECT_NEAR(onDisk(2).KorrigeradTid, 32.0 / 1440, 1e-9); // 0:40:00 x 0,80
    EXPECT_EQ(onDisk(3).StartTid, july5(10, 30, 0));
    EXPECT_EQ(moved.ranking().front().record, 2) << "Bertil now beats Anna";

    moved.closeFiles();
    makeReadOnly(race());
    race::Race& again = opened();
    EXPECT_TRUE(again.setStart(july5(10, 45, 0)).kept);
    EXPECT_EQ(again.start(), july5(10, 30, 0));
}

// A disqualified finisher keeps its times but scores the boats entered + 1 (deleted boats not counted),
// the tie it leaves behind is gone, and the boat still sailing stands last, even when a stray mark calls
// it finished.
TEST_F(RaceTest, ScoredRaceListsEveryBoatByTheRules) {
    write({{.namn = "Anna", .segelId = "S1", .malTid = july5(11, 0, 0)},
           {.namn = "Bertil", .segelId = "S2", .malTid = july5(11, 0, 0)},
           {.namn = "Cilla", .segelId = "S3"},
           {.namn = "Doris", .segelId = "S4", .borttagen = -1}});
    race::Race& race = opened();
    race.restoreUnderWay({"", "", "x"}); // Cilla's mark, no time
    EXPECT_FALSE(race.setCode(2, "DSQ"));
    EXPECT_EQ(scoredText(race.scored()), "1 1 1; 2 DSQ 4; 3");
    EXPECT_EQ(race.record(2).MalTid, july5(11, 0, 0));
    EXPECT_FALSE(race.takeBackFinish(1));
    EXPECT_EQ(onDisk(1).MalTid, 0.0);
    EXPECT_FALSE(race.finished(1));
    EXPECT_EQ(race.scored().back().record, 3);
}

// Start groups are timed from their own gun (a recall journalled once) and scored on their own: ties among
// the group's boats, a code scoring the group's entries + 1, the unnamed group last, across a reopening.
TEST_F(RaceTest, EachStartGroupIsTimedFromItsOwnGunAndScoredOnItsOwn) {
    writeRace(
        race(),
        {{"A1", "A1"}, {"B1", "B1"}, {"A2", "A2"}, {"B2", "B2"}, {"A3", "A3"}, {"U1", "U1"}, {"B3", "B3"}});
    race::Race& grouped = opened();
    for (const auto& [n, group] : std::vector<std::pair<int, QString>>{
             {2, "SRS B"}, {1, "SRS A"}, {3, "SRS A"}, {4, "SRS B"}, {5, "SRS A"}, {7, "SRS B"}})
        EXPECT_FALSE(grouped.setGroup(n, group));
    EXPECT_FALSE(grouped.setGroupStart("SRS A", july5(10, 0, 0)).failure);
    EXPECT_FALSE(grouped.setGroupStart("SRS B", july5(9, 58, 0)).failure);
    EXPECT_FALSE(grouped.setGroupStart("SRS B", july5(10, 5, 0)).failure); // a general recall of B
    EXPECT_EQ(grouped.start(), july5(10, 0, 0));
    EXPECT_EQ(readBytes(race_data::journalFileName(race()))
                  .count(";start;;SRS B;;2003-07-05 09:58:00;2003-07-05 10:05:00"),
              1);
    EXPECT_EQ(grouped.groupStart(""), 0.0);
    EXPECT_FALSE(grouped.setGroupStart("", july5(10, 10, 0)).failure);
    for (const auto& [n, h, m] :
         std::vector<std::tuple<int, int, int>>{{1, 11, 0}, {2, 11, 0}, {3, 10, 50}, {4, 11, 0}, {6, 11, 0}})
        grouped.registerFinish(n, july5(h, m, 0));
    EXPECT_NEAR(grouped.record(2).SeglTid, 55.0 / 1440, 1e-9);
    EXPECT_NEAR(grouped.record(6).SeglTid, 50.0 / 1440, 1e-9);
    EXPECT_FALSE(grouped.anyFinishedIn("Flerskrov")); // other groups' finishes do not count
    EXPECT_FALSE(grouped.setCode(5, "DNF"));
    grouped.closeFiles();
    race::Race reopened;
    reopened.open(race());
    reopened.restoreUnderWay();
    EXPECT_EQ(reopened.groupStart("SRS B"), july5(10, 5, 0));
    EXPECT_EQ(reopened.start(), july5(10, 0, 0));
    for (const race::Race* r : {&grouped, &reopened}) {
        QStringList groups;
        for (const race::Race::ScoredGroup& g : r->scoredByGroup())
            groups << g.name + ": " + scoredText(g.boats);
        EXPECT_EQ(groups,
                  (QStringList{"SRS B: 2 1= 1,5; 4 1= 1,5; 7", "SRS A: 3 1 1; 1 2 2; 5 DNF 4", ": 6 1 1"}));
    }
    // A finished boat moved to a group that has started is timed from that group's gun; to one that has
    // not, it is not moved at all.
    EXPECT_FALSE(reopened.setGroup(1, "SRS B"));
    EXPECT_NEAR(reopened.record(1).SeglTid, 55.0 / 1440, 1e-9);
    EXPECT_FALSE(reopened.setGroup(1, "Flerskrov"));
    EXPECT_EQ(reopened.groupOf(1), "SRS B");
    // A race without named groups is one unnamed group, scored as the whole race.
    for (int n = 1; n <= 7; ++n)
        EXPECT_FALSE(reopened.setGroup(n, ""));
    ASSERT_EQ(reopened.groups(), std::vector<QString>{QString()});
    EXPECT_EQ(reopened.record(7).KorrigeradTid, 0.0); // a boat still out is moved untimed
    EXPECT_EQ(reopened.scoredByGroup().front().boats.size(), reopened.scored().size());
}

// A journal that cannot be written (a folder stands where it belongs) is told once per race; the race
// continued under another name is another race, whose journal failing is told again.
TEST_F(RaceTest, AJournalFailureIsToldOncePerRaceAndAgainAfterSaveAs) {
    write({{"Anna", "S1"}, {"Bo", "S2"}});
    ASSERT_TRUE(QDir(dir.path()).mkdir("Höst.log"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Vår.log"));
    race::Race& race = opened();
    race.registerFinish(1, july5(11, 0, 0));
    EXPECT_TRUE(race.untoldJournalFailure());
    race.registerFinish(2, july5(11, 1, 0));
    EXPECT_FALSE(race.untoldJournalFailure());
    race.continueAs(path("Vår.dat"));
    race.registerFinish(2, july5(11, 2, 0));
    EXPECT_TRUE(race.untoldJournalFailure());
}
