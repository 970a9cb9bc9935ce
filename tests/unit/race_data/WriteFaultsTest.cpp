// Writes that fail on a real fault leave the race files as they were and say which file and why.
#include "FileFailure.h"
#include "FileFaults.h"
#include "RaceFiles.h"
#include "TestFiles.h"

#include <QDir>

using race_data::RaceFiles;

namespace {

QString failureLine(const std::function<void()>& operation) {
    const std::optional<RuntimeError> error = failureOf(operation);
    return error ? base::fileFailureLine(*error) : QString();
}

class WriteFaultsTest : public RaceFolderTest {};

} // namespace

TEST_F(WriteFaultsTest, ARecordThatDoesNotFitIsUndoneWhole) {
    const struct {
        int oldLength, recordNumber;
        rlim_t limit;
    } cases[] = {{93, 2, 93}, {93, 2, 150}, {100, 2, 120}, {10, 3, 100}}; // nothing fits, part, a part record
    for (const auto& c : cases) {
        const QByteArray old(c.oldLength, 'k');
        writeBytes(dat, old);
        files.open(dat);
        {
            const FileSizeLimit limit(c.limit);
            EXPECT_EQ(failureLine([&] { files.writeRecord(c.recordNumber, recordNamed("Ny")); }),
                      "Fil: " + dat + " – Filen har nått största tillåtna storlek")
                << c.limit;
        }
        EXPECT_EQ(readBytes(dat), old) << c.limit;
        files.writeRecord(c.recordNumber, recordNamed("Ny"));
        EXPECT_EQ(files.readRecord(c.recordNumber).Namn.trimmed(), "Ny") << c.limit;
    }
}

TEST_F(WriteFaultsTest, ACommentThatDoesNotFitIsCutBack) {
    writeBytes(cmt, "F\xF6rst");
    files.open(dat);
    {
        const FileSizeLimit limit(12);
        EXPECT_TRUE(failureLine([&] { files.appendComment("Ny segelgarderob"); }).contains(cmt));
    }
    EXPECT_EQ(readBytes(cmt), "F\xF6rst");
    EXPECT_EQ(files.appendComment("Sen"), 6);
}

TEST_F(WriteFaultsTest, AVanishedFileIsNoticedAndNotWrittenInto) {
    const QString folder = dir.filePath("Tävlingar");
    const std::pair<std::function<void()>, QString> cases[] = {
        {[this] { QFile::remove(dat); }, dat},
        {[this] { QFile::remove(cmt); }, cmt},
        {[this] {
             writeBytes(dat + ".ny", "ersatt");
             std::rename(QFile::encodeName(dat + ".ny").constData(), QFile::encodeName(dat).constData());
         },
         dat},
        {[&] { QDir().rename(folder, dir.filePath("Flyttad")); }, folder + "/Höst 2004.dat"},
    };
    QDir().mkpath(folder);
    for (const auto& [fault, vanished] : cases) {
        const QString path = vanished.startsWith(folder) ? vanished : dat;
        RaceFiles raceFiles;
        raceFiles.open(path);
        raceFiles.writeRecord(1, recordNamed("Ett"));
        EXPECT_TRUE(raceFiles.stillAtPath()) << vanished.toStdString();
        fault();
        EXPECT_EQ(raceFiles.vanishedFile(), vanished);
        EXPECT_EQ(failureLine([&] { raceFiles.writeRecord(2, recordNamed("Två")); }),
                  "Fil: " + vanished + " – Filen finns inte längre");
        EXPECT_TRUE(failureLine([&] { raceFiles.appendComment("text"); }).contains(vanished));
        EXPECT_EQ(raceFiles.recordCount(), 1) << vanished.toStdString();
        raceFiles.close();
        QFile::remove(dat);
        QFile::remove(cmt);
    }
    EXPECT_EQ(readBytes(dir.filePath("Flyttad/Höst 2004.dat")).size(), 93);
}

TEST_F(WriteFaultsTest, ARaceIsWrittenAnewFromWhatTheDeskHoldsAndAFullDiskSaysSo) {
    const std::vector<race_data::HeldRecord> held = {{4, recordNamed("Fyra"), "Rev"},
                                                     {1, recordNamed("Ett"), "Ny ägare"},
                                                     {2, recordNamed("Borta", 0, -1), ""}};
    {
        const FileSizeLimit limit(100);
        EXPECT_TRUE(failureLine([&] { race_data::writeRaceAnew(dat, held); }).contains(dat));
        EXPECT_EQ(readBytes(dat).size(), 93);
    }
    race_data::writeRaceAnew(dat, held);
    EXPECT_EQ(readBytes(cmt), "Ny \xE4gareRev");
    EXPECT_EQ(readBytes(dat).size(), 4 * 93);
    files.open(dat);
    QStringList records; // name, comment position and length, deleted
    for (int n = 1; n <= 4; ++n) {
        const DeltagarPost p = files.readRecord(n);
        records << QStringLiteral("%1 %2 %3 %4")
                       .arg(QString(p.Namn).remove(QChar(0)).trimmed())
                       .arg(p.KommentarPos)
                       .arg(p.KommentarLen)
                       .arg(p.Borttagen);
    }
    EXPECT_EQ(records, (QStringList{"Ett 1 8 0", "Borta 9 0 -1", " 0 0 0", "Fyra 9 3 0"}));
}
