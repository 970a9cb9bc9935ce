// One desk per race; another process refused is the two-desks scenario. Reading for an export needs no lock.
#include "FileFaults.h"
#include "Race.h"
#include "TestFiles.h"

#include <QTemporaryDir>

namespace {

class RaceLockTest : public ::testing::Test {
protected:
    RaceLockTest() {
        writeRace(host, {{"Hös", ""}});
        writeRace(var, {{"Vår", ""}});
    }
    static std::optional<RuntimeError> openFailure(race::Race& race, const QString& dataFil) {
        return failureOf([&] { race.open(dataFil); });
    }

    QTemporaryDir dir;
    QString host = dir.filePath("Höst.dat"), var = dir.filePath("Vår.dat");
};

} // namespace

TEST_F(RaceLockTest, ASecondDeskIsRefusedAndKeepsItsRaceUntilTheFirstCloses) {
    race::Race first, second, reader;
    first.open(host);
    first.open(host); // its own race again
    second.open(var);
    const std::optional<RuntimeError> refused = openFailure(second, host);
    EXPECT_EQ(refused ? refused->number() : 0, runtime_error_numbers::PermissionDenied);
    EXPECT_EQ(second.files().dataFil(), var);
    reader.open(host, race::OpenFor::Reading); // the export reads a race that a desk has open
    EXPECT_EQ(reader.recordCount(), 1);
    first.closeFiles();
    EXPECT_FALSE(openFailure(second, host));
    EXPECT_FALSE(openFailure(first, var)); // the second let it go
}

TEST_F(RaceLockTest, ARunningDeskElsewhereHoldsTheRaceAndAKilledOneLetsItGo) {
    race::Race race;
    {
        const ChildHolding desk([this] {
            static race::Race held; // open until the child is killed
            held.open(host);
        });
        EXPECT_TRUE(openFailure(race, host));
    }
    EXPECT_FALSE(openFailure(race, host));
}
