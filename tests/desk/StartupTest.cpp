// Start-up: reopening the last race, restoring a race under way, falling back to the example.
#include "DeskFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

using namespace Qt::StringLiterals;

// The first run opens the example silently; later the file in the way (race gone, settings a folder) is told.
TEST_F(DeskTest, WithoutARaceToReopenTheExampleOpens) {
    for (const QString& name : {u"Exempel.dat"_s, u"Exempel.cmt"_s}) {
        QFile::copy(QStringLiteral(BRISRUNDAN_ASSETS "/") + name, path(name));
        makeReadOnly(path(name));
    }
    load();
    EXPECT_FALSE(QFileInfo::exists(path(u"Vindo.ini"_s))) << "nothing written on the first run";
    writeSettings(path(u"Borta.dat"_s), u"NC"_s);
    EXPECT_EQ(restart().DataFil, path(u"Exempel.dat"_s));
    QFile::remove(path(u"Vindo.ini"_s));
    QDir(dir.path()).mkdir(u"Vindo.ini"_s);
    EXPECT_EQ(restart().DataFil, path(u"Exempel.dat"_s));
    const QStringList told = messageTexts();
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].contains(path(u"Borta.dat"_s)) && told[1].contains(path(u"Vindo.ini"_s)));
    for (const QString& text : told)
        EXPECT_TRUE(text.endsWith(u"Exempel.dat öppnas i stället."_s));
}

// A finish comes back from its flag or its record; a short or damaged flag list loses none.
TEST_F(DeskTest, FinishedBoatsComeBackFromFlagsOrRecords) {
    std::vector<Boat> boats = {
        {u"Anna"_s, u"S1"_s}, {u"Bertil"_s, u"S2"_s}, {u"Cecilia"_s, u"S3"_s}, {u"David"_s, u"S4"_s}};
    const struct {
        QString flags;
        double annasFinish;
        QStringList queue;
    } cases[] = {
        {u"x"_s, july5(14, 0, 0), {u"¤Anna , S1"_s}},
        {u"*X*xx"_s, july5(14, 0, 0), {u"¤Anna , S1"_s}},
        // Cecilia's flag without a finish in her record: she waits for it, unmarked.
        {u"**x**x"_s, july5(14, 0, 0), {u"¤Anna , S1"_s, u"Cecilia , S3"_s}},
        {QString(), 0.0, {}},
    };
    for (const auto& c : cases) {
        boats[0].malTid = c.annasFinish;
        frmMain& d = openRace(u"Höst.dat"_s, boats, july5(10, 0, 0), c.flags);
        EXPECT_EQ(entries(d.lstMg), c.queue) << c.flags.toStdString();
        EXPECT_EQ(d.StartButton->isEnabled(), c.queue.isEmpty()) << c.flags.toStdString();
    }
}

// No start, or a start time no clock can give: the participants, nothing on the way.
TEST_F(DeskTest, RaceWithoutAUsableStartShowsOnlyTheParticipants) {
    for (const double start : {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), -1e300, 1e300, 0.0}) {
        frmMain& d = openRace(u"Vår.dat"_s,
                              {{u"Anna"_s, u"S1"_s, 1.0f, july5(14, 0, 0), 4.0 / 24}, {u"Bertil"_s, u"S2"_s}},
                              start, u"x"_s);
        EXPECT_EQ(d.AntalDeltagare, 2) << start;
        EXPECT_EQ(d.lstDeltagare->ListIndex(), 0) << start;
    }
    EXPECT_EQ(desk->lstPG->ListCount() + desk->lstMg->ListCount() + desk->lstSortMG->ListCount(), 0);
    EXPECT_TRUE(desk->StartButton->isEnabled());

    EXPECT_EQ(openRace(u"Tom.dat"_s, {}).lstDeltagare->ListIndex(), -1);
}

TEST_F(DeskTest, RaceFileThatCannotBeOpenedEndsTheProgramWithAMessage) {
    QDir(dir.path()).mkdir(u"Exempel.dat"_s); // a folder where the example should be
    EXPECT_FALSE(load().isLoaded());
    EXPECT_TRUE(messageTexts().size() == 1 &&
                messageTexts()[0].startsWith(u"Tävlingsfilen kan inte öppnas"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"Vindo.ini"_s)));
}
