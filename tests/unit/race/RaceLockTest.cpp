// One desk per race: a second desk, in this process or in another, is refused a race that is open,
// keeps the race it held, and takes over the lock of a desk that was killed. A write-protected race
// opens everywhere, and reading for an export needs no lock.
#include "FileFaults.h"
#include "Race.h"
#include "TestFiles.h"

#include <QTemporaryDir>

namespace {

class RaceLockTest : public ::testing::Test {
protected:
    RaceLockTest() {
        for (const QString& name : {QStringLiteral("Höst.dat"), QStringLiteral("Vår.dat")}) {
            race_data::RaceFiles files;
            files.open(path(name));
            DeltagarPost post;
            post.Namn = name.left(3);
            files.writeRecord(1, post);
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    static std::optional<RuntimeError> openFailure(race::Race& race, const QString& dataFil) {
        return failureOf([&] { race.open(dataFil); });
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(RaceLockTest, ASecondDeskIsRefusedAndKeepsItsRaceUntilTheFirstCloses) {
    race::Race first;
    first.open(path(QStringLiteral("Höst.dat")));
    first.open(path(QStringLiteral("Höst.dat"))); // its own race again
    race::Race second;
    second.open(path(QStringLiteral("Vår.dat")));
    const std::optional<RuntimeError> refused = openFailure(second, path(QStringLiteral("Höst.dat")));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->number(), runtime_error_numbers::PermissionDenied);
    EXPECT_EQ(refused->path(), path(QStringLiteral("Höst.dat")));
    EXPECT_EQ(second.files().dataFil(), path(QStringLiteral("Vår.dat")));
    EXPECT_EQ(second.entry(1), QStringLiteral("Vår , "));

    race::Race reader; // the export reads a race that a desk has open
    reader.open(path(QStringLiteral("Höst.dat")), race::OpenFor::Reading);
    EXPECT_EQ(reader.recordCount(), 1);

    first.closeFiles();
    EXPECT_FALSE(openFailure(second, path(QStringLiteral("Höst.dat"))));
    EXPECT_FALSE(openFailure(first, path(QStringLiteral("Vår.dat")))); // the second let it go
}

TEST_F(RaceLockTest, ARunningDeskElsewhereHoldsTheRaceAndAKilledOneLetsItGo) {
    race::Race race;
    {
        const ChildHolding desk([this] {
            static race::Race held; // open until the child is killed
            held.open(path(QStringLiteral("Höst.dat")));
        });
        EXPECT_TRUE(openFailure(race, path(QStringLiteral("Höst.dat"))));
    }
    EXPECT_FALSE(openFailure(race, path(QStringLiteral("Höst.dat"))));
    race::Race another;
    EXPECT_TRUE(openFailure(another, path(QStringLiteral("Höst.dat"))));
}

TEST_F(RaceLockTest, AWriteProtectedRaceOpensInEveryDesk) {
    makeReadOnly(path(QStringLiteral("Höst.dat")));
    race::Race first;
    first.open(path(QStringLiteral("Höst.dat")));
    race::Race second;
    EXPECT_FALSE(openFailure(second, path(QStringLiteral("Höst.dat"))));
}
