// A finish registered by a click survives the program being killed the moment after.
#include "DeskFixture.h"

#include <QProcess>

namespace {

void registerAndKill(const QString& appDir, int position, const QString& clockReading) {
    QProcess child;
    child.start(QStringLiteral(DURABILITY_CHILD), {appDir, QString::number(position), clockReading});
    ASSERT_TRUE(child.waitForStarted(10000));
    ASSERT_TRUE(child.waitForReadyRead(20000));
    ASSERT_TRUE(child.readAllStandardOutput().startsWith("registered"));
    child.kill(); // SIGKILL: no handler, no shutdown code runs
    child.waitForFinished(10000);
}

} // namespace

TEST_F(DeskTest, RegisteredFinishesSurviveAKilledProgram) {
    const double start = 37807.0 + 10.0 / 24;
    writeRace(QStringLiteral("Höst.dat"),
              {{QStringLiteral("Anna"), QStringLiteral("S1")},
               {QStringLiteral("Bertil"), QStringLiteral("S2")},
               {QStringLiteral("Cecilia"), QStringLiteral("S3")}},
              start);
    writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("**"));
    registerAndKill(dir.path(), 2, QStringLiteral("2003-07-05 13:00:00"));
    registerAndKill(dir.path(), 0, QStringLiteral("2003-07-05 14:00:00"));

    frmMain& d = load();
    // The queue comes back in the order the boats were queued.
    EXPECT_EQ(entries(d.lstMg), (QStringList{QStringLiteral("¤Cecilia , S3"), QStringLiteral("¤Anna , S1")}));
    EXPECT_EQ(entries(d.lstSortMG), (QStringList{QStringLiteral("00030000"), QStringLiteral("00040000")}));
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 3).MalTid, 37807.0 + 13.0 / 24);
    EXPECT_EQ(record(QStringLiteral("Höst.dat"), 1).MalTid, 37807.0 + 14.0 / 24);
}
