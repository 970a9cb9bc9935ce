// The race model over real files: list order, records on disk, the queue, restoring, removal and groups.
#include "Race.h"
#include "FinishJournal.h"
#include "ScoredText.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const double Start = july5(10, 0, 0);

class RaceTest : public RaceFolderTest {
protected:
    void write(const std::vector<Boat>& boats) { writeRace(dat, boats, Start); }
    DeltagarPost onDisk(int n) const {
        race_data::RaceFiles reader;
        reader.open(dat);
        return reader.readRecord(n);
    }
    race::Race& opened() {
        r.open(dat);
        r.restoreUnderWay();
        return r;
    }

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
    writeBytes(cmt, "Vind SV");
    race::Race& race = opened();
    EXPECT_EQ(race.addParticipant("Bertil", "S2", "IF", 1.13f), 2);
    const DeltagarPost post = onDisk(2);
    EXPECT_EQ(std::tuple(post.BTyp.trimmed(), post.StartTid, post.KommentarPos), std::tuple("IF", Start, 8));
}

TEST_F(RaceTest, RegistrationStoresTheTimesAsTheDeskShowsThemAndTheCommentAgain) {
    write({{.namn = "  Anna  ", .segelId = "S1", .lysTal = 1.0574f, .comment = "Vind 5"}});
    race::Race& race = opened();
    EXPECT_EQ(race.entry(1), "Anna , S1"); // without the record's blanks
    ASSERT_EQ(race.enqueue(1), 0);
    race.registerFinish(1, july5(14, 0, 0));
    const DeltagarPost saved = onDisk(1);
    EXPECT_EQ(saved.KorrigeradTid, (july5(14, 0, 0) - Start) * double(1.057f));   // three decimals of LYS
    EXPECT_EQ(std::tuple(saved.MalTid, saved.Namn.trimmed(), saved.KommentarPos), // the second "Vind 5"
              std::tuple(july5(14, 0, 0), "Anna", 7));
    EXPECT_EQ(readBytes(cmt), "Vind 5Vind 5");
}

TEST_F(RaceTest, QueuedBoatsAreRankedWithARegistrationAndARemovedBoatLeavesEveryList) {
    write({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    race::Race& race = opened();
    for (const int n : {1, 2, 3})
        race.enqueue(n);
    race.registerFinish(2, july5(12, 0, 0));
    EXPECT_EQ(records(race.ranking()), (std::vector<int>{1, 3, 2})); // waiting boats rank with 0:00:00
    EXPECT_EQ(race.deleteParticipant(2, race.record(2)), 1);         // the queue place it left
    EXPECT_EQ(onDisk(2).Borttagen, -1);
    EXPECT_FALSE(race.registered(2));
    EXPECT_EQ(race.queueText(1), "C , 3");
    EXPECT_EQ(records(race.ranking()), (std::vector<int>{1, 3}));
    EXPECT_EQ(race.liveRecords(), (std::vector<int>{1, 3}));
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

// Deleted records take the start too: a load reads it from the file's last record.
TEST_F(RaceTest, AMovedStartRetimesFinishedBoatsAndAReadOnlyRaceKeepsItsStart) {
    write({{.namn = "Anna", .segelId = "S1", .lysTal = 1.2f, .malTid = july5(11, 0, 0)},
           {.namn = "Bertil", .segelId = "S2", .lysTal = 0.8f, .malTid = july5(11, 10, 0)},
           {.namn = "Cilla", .segelId = "S3", .borttagen = -1}});
    race::Race& moved = opened();
    const race::StartChange change = moved.setStart(july5(10, 30, 0));
    EXPECT_FALSE(change.kept);
    ASSERT_EQ(change.recomputed.size(), 2u);
    EXPECT_NEAR(onDisk(1).KorrigeradTid, 36.0 / 1440, 1e-9); // 0:30:00 x 1,20
    EXPECT_NEAR(onDisk(2).KorrigeradTid, 32.0 / 1440, 1e-9); // 0:40:00 x 0,80
    EXPECT_EQ(onDisk(3).StartTid, july5(10, 30, 0));
    EXPECT_EQ(moved.ranking().front().record, 2) << "Bertil now beats Anna";

    moved.closeFiles();
    makeReadOnly(dat);
    race::Race& again = opened();
    EXPECT_TRUE(again.setStart(july5(10, 45, 0)).kept);
    EXPECT_EQ(again.start(), july5(10, 30, 0));
}

// DSQ scores the boats entered + 1, deleted boats not counted; a stray mark does not make a boat finished.
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
    EXPECT_EQ(scoredText(race.scored()), "2 DSQ 4; 1; 3");
}

// Beyond the groups-three-starts scenario: the recall journalled once, the unnamed group, a DNF.
TEST_F(RaceTest, EachStartGroupIsTimedFromItsOwnGunAndScoredOnItsOwn) {
    writeRace(
        dat,
        {{"A1", "A1"}, {"B1", "B1"}, {"A2", "A2"}, {"B2", "B2"}, {"A3", "A3"}, {"U1", "U1"}, {"B3", "B3"}});
    race::Race& grouped = opened();
    for (const auto& [n, group] : std::vector<std::pair<int, QString>>{
             {2, "SRS B"}, {1, "SRS A"}, {3, "SRS A"}, {4, "SRS B"}, {5, "SRS A"}, {7, "SRS B"}})
        EXPECT_FALSE(grouped.setGroup(n, group));
    grouped.setGroupStart("SRS A", july5(10, 0, 0));
    grouped.setGroupStart("SRS B", july5(9, 58, 0));
    grouped.setGroupStart("SRS B", july5(10, 5, 0)); // a general recall of B
    EXPECT_EQ(grouped.start(), july5(10, 0, 0));     // the first gun, not the last
    EXPECT_EQ(readBytes(race_data::journalFileName(dat))
                  .count(";start;;SRS B;;2003-07-05 09:58:00;2003-07-05 10:05:00"),
              1);
    grouped.setGroupStart("", july5(10, 10, 0));
    for (const auto& [n, h, m] :
         std::vector<std::tuple<int, int, int>>{{1, 11, 0}, {2, 11, 0}, {3, 10, 50}, {4, 11, 0}, {6, 11, 0}})
        grouped.registerFinish(n, july5(h, m, 0));
    EXPECT_NEAR(grouped.record(6).SeglTid, 50.0 / 1440, 1e-9);
    EXPECT_FALSE(grouped.anyFinishedIn("Flerskrov")); // other groups' finishes do not count
    EXPECT_FALSE(grouped.setCode(5, "DNF"));
    grouped.closeFiles();
    race::Race& reopened = opened();
    EXPECT_EQ(reopened.start(), july5(10, 0, 0));
    QStringList groups;
    for (const race::Race::ScoredGroup& g : reopened.scoredByGroup())
        groups << g.name + ": " + scoredText(g.boats);
    EXPECT_EQ(groups,
              (QStringList{"SRS B: 2 1= 1,5; 4 1= 1,5; 7", "SRS A: 3 1 1; 1 2 2; 5 DNF 4", ": 6 1 1"}));
    EXPECT_FALSE(reopened.setGroup(1, "Flerskrov"));
    EXPECT_EQ(reopened.groupOf(1), "SRS A");
}

// A folder where the journal belongs; the race continued under another name is told again.
TEST_F(RaceTest, AJournalFailureIsToldOncePerRaceAndAgainAfterSaveAs) {
    write({{"Anna", "S1"}, {"Bo", "S2"}});
    ASSERT_TRUE(QDir(dir.path()).mkdir("Höst 2004.log"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Vår.log"));
    race::Race& race = opened();
    race.registerFinish(1, july5(11, 0, 0));
    EXPECT_TRUE(race.untoldJournalFailure());
    race.registerFinish(2, july5(11, 1, 0));
    EXPECT_FALSE(race.untoldJournalFailure());
    race.continueAs(dir.filePath("Vår.dat"));
    race.registerFinish(2, july5(11, 2, 0));
    EXPECT_TRUE(race.untoldJournalFailure());
}
