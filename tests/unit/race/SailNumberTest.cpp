#include "SailNumber.h"
#include "Race.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Digits alone match the id's digits whole; a text with letters must be the whole id.
TEST(SailIdMatches, ComparesWithoutBlanksDashesAndCase) {
    using Ids = std::pair<const char*, const char*>; // the record's id, what was typed
    const Ids matching[] = {{"SWE 4410", "swe4410"}, {"S-4410", "s 4410"},   {"swe-44 10", "SWE 4410"},
                            {"Å 12", "å-12"},        {"S\u2013123", "S123"}, {"SWE 4410", "4410"},
                            {"S-4410", "4410"},      {"4410", "44 10"},      {"GBR 44A10", "4410"}};
    const Ids others[] = {{"SWE 44101", "4410"},
                          {"SWE 410", "4410"},
                          {"SWE 04410", "4410"},
                          {"SWE 4410", "S4410"},
                          {"", ""},
                          {"ABC", ""}};
    for (const auto& [segelId, typed] : matching)
        EXPECT_TRUE(race::sailIdMatches(segelId, typed)) << segelId << " typed " << typed;
    for (const auto& [segelId, typed] : others)
        EXPECT_FALSE(race::sailIdMatches(segelId, typed)) << segelId << " typed " << typed;
    EXPECT_EQ(race::sailNumberKey(QStringLiteral("S 1") + QChar(0) + QChar(0)), "s1"); // a damaged record
}

class FindSailNumber : public RaceFolderTest {
protected:
    std::vector<int> found(const char* typed) const { return race::findSailNumber(race, typed); }
    race::Race race;
};

// The whole id wins over the digits; the sailnr scenarios type the other ways.
TEST_F(FindSailNumber, LiveRecordsInRecordOrderFollowingAnIdChangedDuringTheRace) {
    writeRace(dat, {{"Båt", "GBR 12"},
                    {.namn = "Båt", .segelId = "S-4410", .borttagen = -1},
                    {"Båt", "S-4410"},
                    {"Båt", "SWE 27"},
                    {"Båt", "SWE 4410"},
                    {"Båt", "27"}});
    race.open(dat);
    EXPECT_EQ(found("4410"), (std::vector<int>{3, 5}));
    EXPECT_EQ(found("27"), (std::vector<int>{6}));
    DeltagarPost post = race.record(5);
    post.SegelId = "FIN 2";
    ASSERT_FALSE(race.saveParticipant(5, post, "").record);
    EXPECT_EQ(found("4410"), (std::vector<int>{3}));
    EXPECT_EQ(found("fin-2"), (std::vector<int>{5}));
}

} // namespace

TEST(SailCommand, AFinishACodeATakeBackOrATypedTime) {
    const struct {
        const char* typed;
        const char* shown; // number|code|time|take back
    } cases[] = {
        {"SWE 4410", "SWE 4410|||0"},          {" 4410 dnf ", "4410|DNF||0"}, {"SWE 4410 -", "SWE 4410|||1"},
        {"4410 12:04:10", "4410||12:04:10|0"}, {"4410 ZFP", "4410 ZFP|||0"},  {"4410", "4410|||0"},
    };
    for (const auto& c : cases) {
        const race::SailCommand command = race::sailCommand(c.typed);
        EXPECT_EQ(QStringList({command.number, command.code, command.time, QString::number(command.takeBack)})
                      .join('|'),
                  c.shown);
    }
}
