// A finish registered by a click survives the program being killed the moment after.
#include "DeskFixture.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

void registerAndKill(const QString& appDir, int position, const QString& clockReading) {
    QProcess child;
    child.start(QStringLiteral(DURABILITY_CHILD), {appDir, QString::number(position), clockReading});
    ASSERT_TRUE(child.waitForReadyRead(20000));
    ASSERT_TRUE(child.readAllStandardOutput().startsWith("registered"));
    child.kill(); // SIGKILL: no handler, no shutdown code runs
    child.waitForFinished(10000);
}

} // namespace

TEST_F(DeskTest, RegisteredFinishesSurviveAKilledProgram) {
    ::writeRace(path(u"Höst.dat"_s), {{u"Anna"_s, u"S1"_s}, {u"Bertil"_s, u"S2"_s}, {u"Cecilia"_s, u"S3"_s}},
                july5(10, 0, 0));
    writeSettings(path(u"Höst.dat"_s), u"**"_s);
    registerAndKill(dir.path(), 2, u"2003-07-05 13:00:00"_s);
    registerAndKill(dir.path(), 0, u"2003-07-05 14:00:00"_s);

    frmMain& d = load();
    // The queue comes back in the order the boats were queued.
    EXPECT_EQ(entries(d.lstMg), (QStringList{u"¤Cecilia , S3"_s, u"¤Anna , S1"_s}));
    EXPECT_EQ(record(u"Höst.dat"_s, 3).MalTid, july5(13, 0, 0));
    EXPECT_EQ(record(u"Höst.dat"_s, 1).MalTid, july5(14, 0, 0));
}
