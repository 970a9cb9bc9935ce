// The shipped example race, opened read-only as the program finds it.
#include "RaceFiles.h"
#include "RuntimeError.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Exempel, TwelveBoatsReadyForAStart) {
    QTemporaryDir dir;
    for (const char* name : {"Exempel.dat", "Exempel.cmt"}) {
        writeBytes(dir.filePath(name), readBytes(BRISRUNDAN_ASSETS_DIR "/" + QString(name)));
        makeReadOnly(dir.filePath(name));
    }
    race_data::RaceFiles files;
    files.open(dir.filePath("Exempel.dat"));
    ASSERT_EQ(files.recordCount(), 13);
    const race_data::LoadedRace race = files.loadParticipants();
    ASSERT_EQ(race.live.size(), 12u);
    EXPECT_EQ(race.lastStartTid, 0.0);
    QString names;
    for (const auto& [n, p] : race.live) {
        EXPECT_EQ(p.StartTid + p.MalTid, 0.0) << n;
        EXPECT_TRUE(p.LysTal >= 0.8f && p.LysTal <= 1.4f) << n;
        names += p.Namn;
        if (p.Namn.trimmed() == "Märta Öhman") {
            EXPECT_EQ(files.readComment(p.KommentarPos, p.KommentarLen), "Anmäld sent, avgiften betald.");
        }
    }
    EXPECT_TRUE(names.contains("Märta Öhman"));
    for (const QChar c : QStringLiteral("åäöÅÖ"))
        EXPECT_TRUE(names.contains(c)) << int(c.unicode());
    EXPECT_THROW(files.writeRecord(14, {}), RuntimeError);
}
