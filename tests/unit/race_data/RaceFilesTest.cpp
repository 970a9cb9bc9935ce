// The race file pair: records by number, comments by position, one writer per file, and their names.
#include "RaceFiles.h"
#include "FileFailure.h"
#include "FileFaults.h"
#include "RuntimeError.h"
#include "SystemFile.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using race_data::RaceFiles;

namespace {

int errorNumber(const std::function<void()>& operation) {
    const std::optional<RuntimeError> error = failureOf(operation);
    return error ? error->number() : 0;
}

class RaceFilesTest : public RaceFolderTest {};

} // namespace

TEST_F(RaceFilesTest, RecordCountRoundsToNearest) {
    for (const auto& [length, count] : {std::pair{46, 0}, {47, 1}, {93, 1}, {139, 1}, {140, 2}, {186, 2}}) {
        writeBytes(dat, QByteArray(length, 'a'));
        files.open(dat);
        EXPECT_EQ(files.recordCount(), count) << length;
    }
}

// Opening makes both files; deleted records are skipped, keep their numbers and give the start.
TEST_F(RaceFilesTest, DeletedRecordsAreSkippedAndKeepTheirNumbers) {
    files.open(dat);
    EXPECT_EQ(readBytes(cmt), QByteArray());
    for (int n = 1; n <= 5; ++n)
        files.writeRecord(n, recordNamed(QString::number(n), 38127.5, n == 3 ? 7 : 0));
    files.writeRecord(6, recordNamed("6", 38200.25, -1));
    const race_data::LoadedRace race = files.loadParticipants();
    std::vector<int> numbers;
    for (const auto& p : race.live)
        numbers.push_back(p.recordNumber);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(race.live[2].post.Namn.trimmed(), "4");
    EXPECT_EQ(race.lastStartTid, 38200.25);
}

TEST_F(RaceFilesTest, WritingPastTheEndFillsTheGapWithZeros) {
    writeBytes(dat, QByteArray(50, 'a'));
    files.open(dat);
    files.writeRecord(3, recordNamed("Tre"));
    const QByteArray bytes = readBytes(dat);
    ASSERT_EQ(bytes.size(), 3 * 93);
    EXPECT_EQ(bytes.mid(50, 136), QByteArray(136, '\0'));
    EXPECT_EQ(files.readRecord(3).Namn.trimmed(), "Tre");
    EXPECT_EQ(files.readRecord(9).StartTid, 0.0);
}

TEST_F(RaceFilesTest, CommentsAreAppendedAtOneBasedPositionsAndReadOnlyInsideTheFile) {
    files.open(dat);
    EXPECT_EQ(files.appendComment("Ny ägare"), 1);
    EXPECT_EQ(files.appendComment("Ny ägare"), 9);
    EXPECT_EQ(files.appendComment(""), 17);
    EXPECT_EQ(readBytes(cmt), "Ny \xE4gareNy \xE4gare");
    EXPECT_EQ(files.commentFileLength(), 16);
    EXPECT_EQ(files.readComment(9, 8), "Ny ägare");
    EXPECT_EQ(files.readComment(16, 1), "e"); // a one-letter comment, the last byte of the file
    const std::pair<int, int> outside[] = {{0, 3},  {-5, 3}, {1, 0},         {1, -1},
                                           {13, 5}, {17, 1}, {INT32_MAX, 1}, {1, INT32_MAX}};
    for (const auto& [pos, len] : outside)
        EXPECT_EQ(files.readComment(pos, len), "") << pos << " " << len;
}

TEST_F(RaceFilesTest, ReadOnlyFilesRefuseEveryWrite) {
    const QByteArray record = QByteArray("Kvar") + QByteArray(89, ' ');
    writeBytes(dat, record);
    writeBytes(cmt, "kommentar");
    makeReadOnly(dat);
    makeReadOnly(cmt);
    files.open(dat);
    EXPECT_EQ(errorNumber([&] { files.writeRecord(1, recordNamed("Ny")); }), 75);
    EXPECT_EQ(errorNumber([&] { files.appendComment("mer"); }), 75);
    EXPECT_EQ(readBytes(dat) + readBytes(cmt), record + "kommentar");
    EXPECT_EQ(files.readComment(1, 9), "kommentar");
}

// After a file that could not be made, as closed files, the operations give "bad file number".
TEST_F(RaceFilesTest, ClosedFilesGiveBadFileNumber) {
    const std::function<void()> operations[] = {
        [&] { files.recordCount(); },      [&] { files.readRecord(1); },
        [&] { files.writeRecord(1, {}); }, [&] { files.commentFileLength(); },
        [&] { files.appendComment("x"); }, [&] { files.readComment(1, 1); },
        [&] { files.loadParticipants(); }, [&] { files.sync(); },
    };
    EXPECT_NE(errorNumber([&] { files.open(dir.filePath("saknas/Höst.dat")); }), 0);
    for (const auto& operation : operations)
        EXPECT_EQ(errorNumber(operation), 52);
}

// One writer per race file: a second opening in the desk's own process shares the handle, outliving it.
TEST_F(RaceFilesTest, ARaceOpenedAgainInTheDeskSharesItsFiles) {
    files.open(dat);
    RaceFiles again;
    again.open(dat);
    files.writeRecord(1, recordNamed("Ett"));
    EXPECT_EQ(files.appendComment("Rev"), 1);
    files.close();
    again.writeRecord(2, recordNamed("Två"));
    EXPECT_EQ(again.readComment(1, 3) + again.readRecord(1).Namn.trimmed(), "RevEtt");
    EXPECT_EQ(again.recordCount(), 2);
}

TEST_F(RaceFilesTest, ARaceAnotherProgramWritesIsReadAndNeverWritten) {
    writeRace(dat, {{"Ett", "S1"}});
    const QByteArray before = readBytes(dat);
    const ChildHolding other([this] {
        static race_data::sysfile::File held; // open until the child is ended
        held.open(QFile::encodeName(dat).toStdString(), race_data::sysfile::Access::ReadWrite);
    });
    files.open(dat);
    EXPECT_EQ(files.readRecord(1).Namn.trimmed(), "Ett");
    const std::optional<RuntimeError> error = failureOf([&] { files.writeRecord(2, recordNamed("Två")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(base::fileFailureLine(*error), "Fil: " + dat + " – Filen används av ett annat program");
    EXPECT_EQ(readBytes(dat), before);
}

// The search finds the dot before an extension of four letters, not one before five.
TEST(RacePaths, CommentFileAndRaceName) {
    const std::pair<QString, QString> cases[] = {{"/Tävlingar.2004/Höst.dat", "/Tävlingar.2004/Höst.cmt"},
                                                 {"/r/v.2004.dat", "/r/v.2004.cmt"},
                                                 {"/r/Höst.da", "/r/Höst.cmt"},
                                                 {"/r/Höst.lopp", "/r/Höst.cmt"},
                                                 {"/r/Höst.lopp1", "/r/Höst.lopp1.cmt"},
                                                 {"/r/a.b/Höst", "/r/a.b/Höst.cmt"},
                                                 {"", ".cmt"}};
    for (const auto& [dat, cmt] : cases)
        EXPECT_EQ(race_data::commentFileName(dat), cmt) << dat.toStdString();
    EXPECT_EQ(race_data::raceName("/Tävlingar.2004/Höst.dat"), "Höst");
    EXPECT_EQ(race_data::raceName("/r/.da"), "");
#ifdef Q_OS_WIN
    EXPECT_EQ(race_data::raceName("C:\\Tävlingar.2004\\Höst.dat"), "Höst");
#else
    EXPECT_EQ(race_data::raceName("/r/C:\\Höst.dat"), "C:\\Höst");
#endif
}
