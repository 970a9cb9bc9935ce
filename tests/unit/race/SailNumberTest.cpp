#include "SailNumber.h"
#include "Race.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SailIdMatches, ComparesWithoutBlanksDashesAndCase) {
    const struct {
        const char* segelId;
        const char* typed;
        bool matches;
    } cases[] = {// The whole id, however it is spaced, dashed or cased.
                 {"SWE 4410", "swe4410", true},
                 {"S-4410", "s 4410", true},
                 {"swe-44 10", "SWE 4410", true},
                 {"Å 12", "å-12", true},
                 {"S\u2013123", "S123", true}, // an en dash from a Windows-1252 file
                 // Digits alone find the id with those digits, whatever letters stand around them.
                 {"SWE 4410", "4410", true},
                 {"S-4410", "4410", true},
                 {"4410", "44 10", true},
                 {"GBR 44A10", "4410", true},
                 // Digits are compared whole: no prefix, suffix or leading-zero match.
                 {"SWE 44101", "4410", false},
                 {"SWE 410", "4410", false},
                 {"SWE 04410", "4410", false},
                 // A text with letters must be the whole id; its digits alone are not enough.
                 {"SWE 4410", "S4410", false},
                 {"S-4410", "SWE4410", false},
                 {"SWE 4410", "SWE", false},
                 // Nothing typed, or only blanks and dashes, finds nothing, not even a boat without an id.
                 {"", "", false},
                 {"", " - ", false},
                 {"ABC", "", false}};
    for (const auto& c : cases)
        EXPECT_EQ(race::sailIdMatches(QString::fromUtf8(c.segelId), QString::fromUtf8(c.typed)), c.matches)
            << c.segelId << " typed " << c.typed;
}

TEST(SailNumberKey, DropsTheNulPaddingOfADamagedRecord) {
    EXPECT_EQ(race::sailNumberKey(QStringLiteral("S 1") + QChar(0) + QChar(0)), QStringLiteral("s1"));
}

// A race file with the given sail ids as records 1, 2, ...; a null id is a removed participant.
class FindSailNumber : public testing::Test {
protected:
    void write(const std::vector<const char*>& ids) {
        std::vector<Boat> boats;
        for (const char* id : ids)
            boats.push_back({QStringLiteral("Båt %1").arg(boats.size() + 1),
                             id ? QString::fromUtf8(id) : QStringLiteral("S-4410"), 1.0f, 0.0, 0.0,
                             id ? 0 : -1});
        writeRace(dat(), boats);
        race.open(dat());
    }
    QString dat() const { return dir.filePath(QStringLiteral("Höst.dat")); }

    QTemporaryDir dir;
    race::Race race;
};

TEST_F(FindSailNumber, AnswersNoneOneOrSeveralLiveRecordsInRecordOrder) {
    write({"GBR 12", nullptr, "S-4410", "SWE 7", "SWE 4410", "27", "SWE 27"});
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("4410")), (std::vector<int>{3, 5}));
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("swe 4410")), (std::vector<int>{5}));
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("27")), (std::vector<int>{6})) << "the whole id wins";
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("SWE-27")), (std::vector<int>{7}));
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("7")), (std::vector<int>{4}));
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("12")), (std::vector<int>{1}));
    EXPECT_TRUE(race::findSailNumber(race, QStringLiteral("4411")).empty());
    EXPECT_TRUE(race::findSailNumber(race, QString()).empty());
}

TEST_F(FindSailNumber, FollowsAnIdChangedDuringTheRace) {
    write({"SWE 1", "SWE 2"});
    DeltagarPost post = race.record(2);
    post.SegelId = QStringLiteral("FIN 2");
    ASSERT_FALSE(race.saveParticipant(2, post, QString()).record);
    EXPECT_TRUE(race::findSailNumber(race, QStringLiteral("SWE2")).empty());
    EXPECT_EQ(race::findSailNumber(race, QStringLiteral("fin-2")), (std::vector<int>{2}));
}

} // namespace

TEST(SailCommand, AFinishACodeATakeBackOrATypedTime) {
    const struct {
        const char* typed;
        const char* number;
        const char* code;
        const char* time;
        bool takeBack;
    } cases[] = {
        {"SWE 4410", "SWE 4410", "", "", false},  {" 4410 dnf ", "4410", "DNF", "", false},
        {"SWE 4410 -", "SWE 4410", "", "", true}, {"4410 12:04:10", "4410", "", "12:04:10", false},
        {"4410 ZFP", "4410 ZFP", "", "", false},
    };
    for (const auto& c : cases) {
        const race::SailCommand command = race::sailCommand(QString::fromUtf8(c.typed));
        EXPECT_EQ(command.number, QString::fromUtf8(c.number)) << c.typed;
        EXPECT_EQ(command.code, QString::fromUtf8(c.code)) << c.typed;
        EXPECT_EQ(command.time, QString::fromUtf8(c.time)) << c.typed;
        EXPECT_EQ(command.takeBack, c.takeBack) << c.typed;
    }
}
