// Start-up: reopening the last race, restoring a race under way, falling back to the example. How a race
// under way comes back after a restart (captions, lists, start button, focus) is in the scenarios.
#include "DeskFixture.h"

#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace {

const std::vector<Boat> fourBoats = {
    {QStringLiteral("Anna"), QStringLiteral("S1"), 1.0f, july5(14, 0, 0), 4.0 / 24},
    {QStringLiteral("Bertil"), QStringLiteral("S2")},
    {QStringLiteral("Cecilia"), QStringLiteral("S3"), 1.0f, july5(13, 0, 0), 3.0 / 24},
    {QStringLiteral("David"), QStringLiteral("S4")},
};

} // namespace

// The first run, and a last race that is gone, open the example race and write nothing.
TEST_F(DeskTest, WithoutALastRaceTheExampleOpensAndNothingIsWritten) {
    copyExample();
    for (const bool lastRaceGone : {false, true}) {
        if (lastRaceGone) writeSettings(path(QStringLiteral("Borta.dat")), QStringLiteral("x"));
        frmMain& d = restart();
        EXPECT_EQ(d.DataFil, dir.path() + QDir::separator() + QStringLiteral("Exempel.dat"));
        EXPECT_EQ(d.panDeltagare->caption(), QStringLiteral("  DeltagarLista 12  båtar"));
        EXPECT_FALSE(d.Namn->Text().isEmpty());
        EXPECT_EQ(d.lstPG->ListCount(), 0);
        EXPECT_TRUE(d.StartButton->isEnabled());
        EXPECT_EQ(QFileInfo::exists(path(QStringLiteral("Vindo.ini"))), lastRaceGone);
    }
}

// A boat has finished when its flag or its record says so: a flag list cut short, damaged or from an
// older copy of the program loses no finished boat, and a stray flag still counts.
TEST_F(DeskTest, FinishedBoatsComeBackFromFlagsOrRecords) {
    std::vector<Boat> boats = fourBoats;
    boats[2].malTid = 0; // only Anna's record holds a finish
    boats[2].korrTid = 0;
    struct Case {
        QString flags;
        QStringList queue;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("x"), {QStringLiteral("¤Anna , S1")}},
        {QStringLiteral("NC"), {QStringLiteral("¤Anna , S1")}},
        {QString(), {QStringLiteral("¤Anna , S1")}},
        {QStringLiteral("*X*xx"), {QStringLiteral("¤Anna , S1")}},
        // Cecilia's flag without a finish in her record: she waits for it, unmarked.
        {QStringLiteral("**x**x"), {QStringLiteral("¤Anna , S1"), QStringLiteral("Cecilia , S3")}},
    };
    for (const Case& c : cases) {
        writeRace(QStringLiteral("Höst.dat"), boats, july5(10, 0, 0));
        writeSettings(path(QStringLiteral("Höst.dat")), c.flags);
        frmMain& d = restart();
        EXPECT_EQ(entries(d.lstMg), c.queue) << c.flags.toStdString();
        EXPECT_FALSE(d.StartButton->isEnabled()) << c.flags.toStdString();
    }
    boats[0].malTid = 0;
    writeRace(QStringLiteral("Höst.dat"), boats, july5(10, 0, 0));
    writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("NC"));
    frmMain& d = restart();
    EXPECT_EQ(d.lstMg->ListCount(), 0);
    EXPECT_TRUE(d.StartButton->isEnabled());
}

// More finished boats than the flag list in the settings file can hold (it is cut at 254 characters).
TEST_F(DeskTest, EveryFinishedBoatComesBackWhenTheFlagListIsCut) {
    std::vector<Boat> boats;
    for (int i = 0; i < 130; ++i)
        boats.push_back(
            {QStringLiteral("Båt %1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("S%1").arg(i)});
    writeRace(QStringLiteral("Långlopp.dat"), boats);
    writeSettings(path(QStringLiteral("Långlopp.dat")), QStringLiteral("NC"));
    frmMain& d = load();
    d.StartButton_Click();
    for (int i = 0; i < 130; ++i) {
        queue(d, 0); // the first boat still out
        d.lstMg->setListIndex(i);
    }
    EXPECT_EQ(race_data::LasInstallningar(race_data::settingsPath(dir.path())).BatarIMalText.size(), 254);
    const QStringList queue = entries(d.lstMg);
    ASSERT_EQ(queue.size(), 130);
    EXPECT_EQ(entries(restart().lstMg), queue);
}

// No start, or a start time no clock can give: the participants, nothing on the way.
TEST_F(DeskTest, RaceWithoutAUsableStartShowsOnlyTheParticipants) {
    // The plain race without a start comes last: the desk is checked on it below.
    for (const double start : {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), -1e300, 1e300, 0.0}) {
        writeRace(QStringLiteral("Vår.dat"), fourBoats, start);
        writeSettings(path(QStringLiteral("Vår.dat")), QStringLiteral("x*x"));
        frmMain& d = restart();
        EXPECT_EQ(d.AntalDeltagare, 4) << start;
        EXPECT_EQ(d.lstDeltagare->ListIndex(), 0) << start;
    }
    EXPECT_EQ(desk->windowTitle(), QStringLiteral("Brisrundan     Vår"));
    EXPECT_EQ(desk->lstPG->ListCount() + desk->lstMg->ListCount() + desk->lstSortMG->ListCount(), 0);
    EXPECT_TRUE(desk->StartButton->isEnabled());

    writeRace(QStringLiteral("Tom.dat"), {});
    writeSettings(path(QStringLiteral("Tom.dat")), QStringLiteral("NC"));
    EXPECT_EQ(restart().lstDeltagare->ListIndex(), -1);
}

// A settings file that cannot be read gives no race to reopen: the desk names the file before the
// example opens, so that the officer knows the last race was not restored.
TEST_F(DeskTest, UnreadableSettingsFileIsNamedBeforeTheExampleOpens) {
    copyExample();
    QDir(dir.path()).mkdir(QStringLiteral("Vindo.ini"));
    frmMain& d = load();
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].contains(path(QStringLiteral("Vindo.ini"))));
    EXPECT_TRUE(messageTexts()[0].endsWith(QStringLiteral("Exempel.dat öppnas i stället.")));
    EXPECT_EQ(d.TavlingsNamn, QStringLiteral("Exempel"));
}

TEST_F(DeskTest, RaceFileThatCannotBeOpenedEndsTheProgramWithAMessage) {
    QDir(dir.path()).mkdir(QStringLiteral("Exempel.dat")); // a folder where the example should be
    bool ended = false;
    platform::Platform pf = scripted.platform();
    desk = std::make_unique<frmMain>(pf);
    desk->onEnded = [&ended] { ended = true; };
    desk->Form_Load();
    desk->show();
    desk->Form_Activate();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(desk->isLoaded());
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].startsWith(QStringLiteral("Tävlingsfilen kan inte öppnas")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Vindo.ini"))));
}
