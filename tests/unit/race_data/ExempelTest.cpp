// The shipped example race: twelve boats (the desk tests open it), none started, with Swedish names and
// a comment that reads back.
#include "RaceFiles.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Exempel, TwelveBoatsReadyForAStart) {
    QTemporaryDir dir;
    for (const char* name : {"Exempel.dat", "Exempel.cmt"})
        writeBytes(dir.filePath(name), readBytes(BRISRUNDAN_ASSETS_DIR "/" + QString(name)));
    race_data::RaceFiles files;
    files.open(dir.filePath("Exempel.dat"));
    const race_data::LoadedRace race = files.loadParticipants();
    ASSERT_EQ(race.live.size(), 12u);
    EXPECT_EQ(files.recordCount(), 13);
    EXPECT_EQ(race.lastStartTid, 0.0);
    QStringList comments;
    for (const auto& [n, p] : race.live) {
        EXPECT_EQ(p.StartTid + p.MalTid, 0.0) << n;
        EXPECT_TRUE(p.LysTal >= 0.8f && p.LysTal <= 1.4f) << n;
        comments << p.Namn.trimmed() + ": " + files.readComment(p.KommentarPos, p.KommentarLen);
    }
    EXPECT_TRUE(comments.contains("Märta Öhman: Anmäld sent, avgiften betald."))
        << comments.join('\n').toStdString();
}
