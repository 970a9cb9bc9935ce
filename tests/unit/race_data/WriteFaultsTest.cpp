// Writes that fail on a real fault leave the race files as they were and say which file and why.
#include "FileFailure.h"
#include "FileFaults.h"
#include "RaceFiles.h"
#include "TestFiles.h"

#include <QDir>

using race_data::RaceFiles;

namespace {

DeltagarPost boat(const QString& namn) {
    DeltagarPost p;
    p.Namn = namn;
    p.MalTid = 38173.5;
    return p;
}

class WriteFaultsTest : public RaceFolderTest {};

} // namespace

// Each case puts bytes in the race file, caps the file size and writes one record that cannot fit.
TEST_F(WriteFaultsTest, ARecordThatDoesNotFitIsUndoneWhole) {
    struct Case {
        const char* name;
        int oldLength;
        int recordNumber;
        rlim_t limit;
    };
    const Case cases[] = {
        {"appended, nothing fits", 93, 2, 93},
        {"appended, part fits", 93, 2, 150},
        {"over a part record at the end", 100, 2, 120},
        {"past a gap", 10, 3, 100},
    };
    for (const Case& c : cases) {
        QByteArray old(c.oldLength, 'k');
        old[0] = 'A';
        writeBytes(dat, old);
        files.open(dat);
        std::optional<RuntimeError> error;
        {
            const FileSizeLimit limit(c.limit);
            error = failureOf([&] { files.writeRecord(c.recordNumber, boat("Ny")); });
        }
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->number(), runtime_error_numbers::DiskFull) << c.name;
        EXPECT_EQ(error->path(), dat) << c.name;
        EXPECT_EQ(base::fileFailureLine(*error),
                  QStringLiteral("Fil: %1 – Filen har nått största tillåtna storlek").arg(dat))
            << c.name;
        EXPECT_EQ(readBytes(dat), old) << c.name;
        files.writeRecord(c.recordNumber, boat("Ny"));
        EXPECT_EQ(files.readRecord(c.recordNumber).Namn.trimmed(), "Ny") << c.name;
    }
}

TEST_F(WriteFaultsTest, ACommentThatDoesNotFitIsCutBack) {
    writeBytes(cmt, "F\xF6rst");
    files.open(dat);
    std::optional<RuntimeError> error;
    {
        const FileSizeLimit limit(12);
        error = failureOf([&] { files.appendComment(QStringLiteral("Ny segelgarderob")); });
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path(), cmt);
    EXPECT_EQ(readBytes(cmt), "F\xF6rst");
    EXPECT_EQ(files.appendComment(QStringLiteral("Sen")), 6);
    EXPECT_EQ(readBytes(cmt), "F\xF6rstSen");
}

TEST_F(WriteFaultsTest, AVanishedFileIsNoticedAndNotWrittenInto) {
    struct Case {
        const char* name;
        std::function<void()> fault;
        QString vanished;
    };
    const Case cases[] = {
        {"race file deleted", [this] { QFile::remove(dat); }, dat},
        {"comment file deleted", [this] { QFile::remove(cmt); }, cmt},
        {"race file replaced",
         [this] {
             writeBytes(dat + ".ny", "ersatt");
             std::rename(QFile::encodeName(dat + ".ny").constData(), QFile::encodeName(dat).constData());
         },
         dat},
    };
    for (const Case& c : cases) {
        QFile::remove(dat);
        QFile::remove(cmt);
        files.open(dat);
        files.writeRecord(1, boat("Ett"));
        EXPECT_TRUE(files.stillAtPath()) << c.name;
        c.fault();
        EXPECT_EQ(files.vanishedFile(), c.vanished) << c.name;
        for (const auto& write : std::initializer_list<std::function<void()>>{
                 [&] { files.writeRecord(2, boat("Två")); }, [&] { files.appendComment("text"); }}) {
            const std::optional<RuntimeError> error = failureOf(write);
            ASSERT_TRUE(error) << c.name;
            EXPECT_EQ(base::fileFailureLine(*error),
                      QStringLiteral("Fil: %1 – Filen finns inte längre").arg(c.vanished))
                << c.name;
        }
        EXPECT_EQ(files.recordCount(), 1) << c.name;
        EXPECT_EQ(files.commentFileLength(), 0) << c.name;
    }
}

TEST_F(WriteFaultsTest, AMovedFolderIsNoticed) {
    const QString folder = dir.filePath(QStringLiteral("Tävlingar"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/Vår.dat");
    files.open(path);
    QDir().rename(folder, dir.filePath(QStringLiteral("Flyttad")));
    EXPECT_EQ(files.vanishedFile(), path);
    EXPECT_EQ(failureOf([&] { files.writeRecord(1, boat("Ett")); })->number(),
              runtime_error_numbers::FileNotFound);
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("Flyttad/Vår.dat"))), QByteArray());
}

TEST_F(WriteFaultsTest, ARaceIsWrittenAnewFromWhatTheDeskHolds) {
    files.open(dat);
    files.writeRecord(1, boat("Gammal"));
    QFile::remove(dat);
    QFile::remove(cmt);
    DeltagarPost deleted = boat("Borta");
    deleted.Borttagen = -1;
    race_data::writeRaceAnew(dat, {{4, boat("Fyra"), QStringLiteral("Rev")},
                                   {1, boat("Ett"), QStringLiteral("Ny ägare")},
                                   {2, deleted, QString()}});
    EXPECT_EQ(readBytes(cmt), "Ny \xE4gareRev");
    EXPECT_EQ(readBytes(dat).size(), 4 * 93);
    RaceFiles again;
    again.open(dat);
    struct Expected {
        int n;
        const char* namn;
        int pos, len, borttagen;
    };
    for (const Expected& e : {Expected{1, "Ett", 1, 8, 0}, Expected{2, "Borta", 9, 0, -1},
                              Expected{3, nullptr, 0, 0, 0}, Expected{4, "Fyra", 9, 3, 0}}) {
        const DeltagarPost p = again.readRecord(e.n);
        if (e.namn) {
            EXPECT_EQ(p.Namn.trimmed(), QString::fromUtf8(e.namn)) << e.n;
        }
        EXPECT_EQ(p.KommentarPos, e.pos) << e.n;
        EXPECT_EQ(p.KommentarLen, e.len) << e.n;
        EXPECT_EQ(p.Borttagen, e.borttagen) << e.n;
    }
    EXPECT_EQ(again.readComment(9, 3), "Rev");
}

TEST_F(WriteFaultsTest, WritingAnewOnAFullDiskSaysSo) {
    const FileSizeLimit limit(100);
    const std::optional<RuntimeError> error = failureOf([&] {
        race_data::writeRaceAnew(dat, {{1, boat("Ett"), QString()}, {2, boat("Två"), QString()}});
    });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path(), dat);
    EXPECT_EQ(readBytes(dat).size(), 93);
}
