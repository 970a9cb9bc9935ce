// The shipped example race, opened read-only as the program finds it.
#include "RaceFiles.h"
#include "RuntimeError.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Exempel, TwelveBoatsReadyForAStart) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Exempel.dat");
    writeBytes(dat, readBytes(BRISRUNDAN_ASSETS_DIR "/Exempel.dat"));
    writeBytes(dir.filePath("Exempel.cmt"), readBytes(BRISRUNDAN_ASSETS_DIR "/Exempel.cmt"));
    makeReadOnly(dat);
    makeReadOnly(dir.filePath("Exempel.cmt"));

    race_data::RaceFiles files;
    files.open(dat);
    ASSERT_EQ(files.recordCount(), 13);
    const race_data::LoadedRace race = files.loadParticipants();
    ASSERT_EQ(race.live.size(), 12u);
    EXPECT_EQ(race.lastStartTid, 0.0);

    QString names;
    for (int n = 1; n <= 13; ++n) {
        const DeltagarPost p = files.readRecord(n);
        EXPECT_EQ(p.StartTid, 0.0);
        EXPECT_EQ(p.MalTid, 0.0);
        EXPECT_TRUE(p.LysTal >= 0.8f && p.LysTal <= 1.4f) << n;
        names += p.Namn;
    }
    for (const QChar c : QStringLiteral("åäöÅÖ"))
        EXPECT_TRUE(names.contains(c)) << int(c.unicode());

    const auto marta = std::find_if(race.live.begin(), race.live.end(), [](const auto& p) {
        return p.post.Namn.trimmed() == QStringLiteral("Märta Öhman");
    });
    ASSERT_NE(marta, race.live.end());
    EXPECT_EQ(files.readComment(marta->post.KommentarPos, marta->post.KommentarLen),
              QStringLiteral("Anmäld sent, avgiften betald."));
    EXPECT_THROW(files.writeRecord(14, {}), RuntimeError);
}
