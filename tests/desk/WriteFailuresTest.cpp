// Faults on a real disk during a race: each told once with file and reason, nothing torn, nothing lost.
#include "ControlProps.h"
#include "DeskFixture.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

const QString Race = u"Höst.dat"_s;
const QString Full = u"Fil: %1 – Filen har nått största tillåtna storlek"_s;

class WriteFailuresTest : public DeskTest {
protected:
    void finish(frmMain& d, int position) {
        queue(d, position);
        clock(2003, 7, 5, 11, 0, 0);
        d.lstMg->setListIndex(d.lstMg->ListCount() - 1);
    }
    static QString banner(const frmMain& d) {
        return controls::ownVisible(d.lblFel) ? d.lblFel->caption() : QString();
    }
};

TEST_F(WriteFailuresTest, FullDiskDuringAFinishIsToldOnceAndTornNothing) {
    frmMain& d = startedRace();
    const QByteArray before = readBytes(path(Race));
    {
        const FileSizeLimit full(200); // Cesar's record lies at bytes 186 to 278
        finish(d, 2);
    }
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(banner(d),
              u"Skrivfel! "_s + Full.arg(path(Race)) + u"  Målgången för Cesar , S3 är inte sparad."_s);
    EXPECT_EQ(readBytes(path(Race)), before);
    EXPECT_EQ(entries(d.lstMg), QStringList{u"¤Cesar , S3"_s}); // what the operator saw
    finish(d, 0);
    EXPECT_TRUE(banner(d).isEmpty()) << "a later write that succeeds takes the banner away";

    EXPECT_EQ(entries(restart().lstMg), (QStringList{u"Cesar , S3"_s, u"¤Alfa , S1"_s}));
    EXPECT_TRUE(messageTexts().last().contains(u"Målgången sparades inte för:\r\nCesar , S3"_s));
}

// Ok again after a refused boat saves it once; a comment that finds no room is told as such.
TEST_F(WriteFailuresTest, ABoatAddedOnAFullDiskIsSavedOnceWhenOkIsPressedAgain) {
    frmMain& d = startedRace();
    const QByteArray before = readBytes(path(Race));
    d.lblPanD_Click();
    d.AddButton_Click();
    const int waiting = d.lstPG->ListCount();
    d.Namn->setText(u"Doris"_s);
    {
        const FileSizeLimit full(before.size() + 10);
        d.OkButton_Click();
    }
    EXPECT_TRUE(messageTexts().value(0).endsWith(u"Deltagaren är inte sparad."_s));
    EXPECT_EQ(readBytes(path(Race)), before);
    EXPECT_EQ(d.lstDeltagare->ListCount() + d.lstPG->ListCount(), 3 + waiting) << "the lists as they were";
    EXPECT_TRUE(controls::ownVisible(d.OkButton)) << "the edit stays open";

    d.CommentsBox->setText(QString(400, QLatin1Char('v')));
    {
        const FileSizeLimit full(4 * 93 + 8); // room for the fourth record, not for the comment
        d.OkButton_Click();
    }
    ASSERT_EQ(messageTexts().size(), 2);
    EXPECT_TRUE(messageTexts()[1].endsWith(Full.arg(path(u"Höst.cmt"_s)) +
                                           u"\r\nDeltagaren är sparad, men inte kommentaren."_s));
    EXPECT_FALSE(controls::ownVisible(d.OkButton)) << "nothing invites a second save";
    EXPECT_EQ(std::pair(recordCount(Race), record(Race, 4).Namn.trimmed()), std::pair(4, u"Doris"_s));
}

TEST_F(WriteFailuresTest, SettingsThatCannotBeReplacedAndAVanishedRaceFileAreTold) {
    frmMain& d = startedRace();
    QFile::remove(path(u"Vindo.ini"_s));
    QDir(dir.path()).mkdir(u"Vindo.ini"_s);
    finish(d, 1); // Beta
    EXPECT_TRUE(banner(d).contains(u"Inställningarna är inte sparade."_s));
    EXPECT_EQ(record(Race, 2).MalTid, july5(11, 0, 0));
    QFile::remove(path(Race));
    finish(d, 0); // Alfa
    EXPECT_TRUE(banner(d).contains(u"Filen finns inte längre"_s));
    EXPECT_FALSE(QFileInfo::exists(path(Race)));
    scripted.dialogs.queueFile(u"Kopia"_s);
    d.lblSave_Click();
    ASSERT_EQ(recordCount(u"Kopia.dat"_s), 3);
    EXPECT_EQ(record(u"Kopia.dat"_s, 1).MalTid, july5(11, 0, 0)); // the unsaved finish too
    EXPECT_EQ(record(u"Kopia.dat"_s, 2).MalTid, july5(11, 0, 0));
}

// The record keeps pointing at the comment copy it had; when the record fails too, both files are named.
TEST_F(WriteFailuresTest, ACommentThatCannotBeAppendedLosesNoComment) {
    frmMain& d = startedRace();
    const QString wind(300, QLatin1Char('v'));
    d.lstDeltagare->setListIndex(2);
    d.EditButton_Click();
    d.CommentsBox->setText(wind);
    d.OkButton_Click();
    const DeltagarPost before = record(Race, 3);
    {
        const FileSizeLimit full(400); // the race file is written in place; a second copy does not fit
        finish(d, 2);
    }
    EXPECT_EQ(banner(d), u"Skrivfel! "_s + Full.arg(path(u"Höst.cmt"_s)) +
                             u"  Målgången för Cesar , S3 är sparad; kommentaren kunde inte sparas."_s);
    const DeltagarPost after = record(Race, 3);
    EXPECT_EQ(std::tuple(after.MalTid, after.KommentarPos, after.KommentarLen),
              std::tuple(july5(11, 0, 0), before.KommentarPos, 300));

    d.lblPanD_Click();
    d.AddButton_Click();
    d.Namn->setText(u"Doris"_s);
    d.CommentsBox->setText(u"Ny"_s);
    {
        const FileSizeLimit full(285);
        d.OkButton_Click();
    }
    EXPECT_TRUE(
        messageTexts().value(0).contains(Full.arg(path(Race)) + u"\r\n"_s + Full.arg(path(u"Höst.cmt"_s))));

    frmMain& again = restart();
    again.lstDeltagare->setListIndex(2);
    EXPECT_EQ(again.CommentsBox->Text(), wind);
}

// The comment file deleted during the race: a restart names it; the finish never saved waits in the queue.
TEST_F(WriteFailuresTest, ARestartAfterTheCommentFileWentNamesWhatWasMissing) {
    frmMain& d = startedRace();
    finish(d, 0); // Alfa
    QFile::remove(path(u"Höst.cmt"_s));
    finish(d, 1); // Cesar, not saved
    frmMain& again = restart();
    EXPECT_TRUE(messageTexts().join(u"\n"_s).contains(
        u"Kommentarfilen fanns inte och är skapad på nytt, tom:\r\n"_s + path(u"Höst.cmt"_s)));
    EXPECT_EQ(entries(again.lstMg), (QStringList{u"¤Alfa , S1"_s, u"Cesar , S3"_s}));
}
