#include "FinishJournal.h"
#include "FileFaults.h"
#include "RuntimeError.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace race_data;

namespace {

// 2006-05-20 as the desk's date-time, and times of that day.
constexpr double May20 = 38857.0;
constexpr double at(int h, int m, int s) {
    return May20 + (h * 3600 + m * 60 + s) / 86400.0;
}

const QByteArray Header =
    "\xEF\xBB\xBFTidpunkt;Händelse;Post;Namn;SegelId;Gammalt värde;Nytt värde;Källa\r\n";

} // namespace

TEST(FinishJournal, LivesBesideTheRaceFileByTheCommentFileRule) {
    EXPECT_EQ(journalFileName(QStringLiteral("/r/a.b/v.2004.dat")), QStringLiteral("/r/a.b/v.2004.log"));
}

TEST(FinishJournal, EachKindOfEventHasItsLine) {
    const std::pair<JournalEntry, QByteArray> cases[] = {
        {{at(13, 5, 10), JournalEvent::Mal, 4, "Ägir", "SWE-1", "", "2006-05-20 13:05:10", "segelnr"},
         "2006-05-20 13:05:10;mål;4;Ägir;SWE-1;;2006-05-20 13:05:10;segelnr\r\n"},
        {{at(14, 0, 1), JournalEvent::NyTid, 12, "Bris; \"Lilla\"  ", " S-2", "13:59:00", "13:58:30",
          "inskriven tid"},
         "2006-05-20 14:00:01;ny tid;12;\"Bris; \"\"Lilla\"\"\";S-2;13:59:00;13:58:30;inskriven tid\r\n"},
        {{at(11, 0, 0), JournalEvent::Start, 0, "", "", "", "2006-05-20 11:00:00", ""},
         "2006-05-20 11:00:00;start;;;;;2006-05-20 11:00:00;\r\n"},
        {{0, JournalEvent::BTyp, 3, "Ägir", "S-1", "IF", "Folkbåt", ""},
         ";båttyp;3;Ägir;S-1;IF;Folkbåt;\r\n"},
    };
    for (const auto& [entry, line] : cases)
        EXPECT_EQ(journalLine(entry), line);
}

TEST(FinishJournal, TheFirstLineCreatesTheFileWithItsHeaderAndLaterLinesAppend) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Vår 2004.dat");
    const JournalEntry first{at(11, 0, 0), JournalEvent::Start, 0, "", "", "", "11:00:00", ""};
    const JournalEntry second{at(13, 5, 10), JournalEvent::Mal, 1, "Ägir", "S-1", "", "13:05:10", "klick"};
    appendJournal(dat, {first});
    EXPECT_EQ(readBytes(dir.filePath("Vår 2004.log")), Header + journalLine(first));
    appendJournal(dat, {second, first});
    EXPECT_EQ(readBytes(dir.filePath("Vår 2004.log")),
              Header + journalLine(first) + journalLine(second) + journalLine(first));
    EXPECT_FALSE(QFile::exists(dat)) << "the journal never touches the race file";
}

TEST(FinishJournal, AReadOnlyJournalOrAMissingFolderIsReportedAndKeepsWhatItHad) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Höst.dat");
    const QString log = dir.filePath("Höst.log");
    const std::vector<JournalEntry> entry{
        {at(13, 5, 10), JournalEvent::Mal, 1, "Ägir", "S-1", "", "13:05:10", "klick"}};
    appendJournal(dat, entry);
    const QByteArray before = readBytes(log);
    makeReadOnly(log);
    const std::optional<RuntimeError> error = failureOf([&] { appendJournal(dat, entry); });
    ASSERT_TRUE(error) << "a read-only journal took a line";
    EXPECT_EQ(error->number(), runtime_error_numbers::PathFileAccess);
    EXPECT_EQ(readBytes(log), before);

    EXPECT_THROW(appendJournal(dir.filePath("saknas/Höst.dat"), entry), RuntimeError);
}

// A line the disk can take only part of is not written at all, and once there is room again the next
// line stands on a line of its own; so does a line after one that a crash cut short.
TEST(FinishJournal, ALineIsWrittenWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Höst.dat");
    const QString log = dir.filePath("Höst.log");
    const JournalEntry first{at(13, 5, 10), JournalEvent::Mal, 1, "Ägir", "S-1", "", "13:05:10", "klick"};
    const JournalEntry second{at(13, 6, 0), JournalEvent::Mal, 2, "Bris", "S-2", "", "13:06:00", "klick"};
    appendJournal(dat, {first});
    const QByteArray before = readBytes(log);
    {
        const FileSizeLimit full(static_cast<rlim_t>(before.size() + 20));
        const std::optional<RuntimeError> error = failureOf([&] { appendJournal(dat, {second}); });
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number(), runtime_error_numbers::DiskFull);
    }
    EXPECT_EQ(readBytes(log), before);
    appendJournal(dat, {second});
    EXPECT_EQ(readBytes(log), before + journalLine(second));

    writeBytes(log, before + "2006-05-20 13:07:00;mål;3;Cir");
    appendJournal(dat, {first});
    EXPECT_EQ(readBytes(log), before + "2006-05-20 13:07:00;mål;3;Cir\r\n" + journalLine(first));
}

// A journal that is a FIFO is refused at once, never opened to wait for a reader.
TEST(FinishJournal, AFifoInTheJournalsPlaceIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Höst.dat");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("Höst.log")).constData(), 0600), 0);
    const ChildEnd end = runInChild([&dat] {
        alarm(10);
        const std::optional<RuntimeError> failure = failureOf([&dat] {
            appendJournal(dat,
                          {{at(13, 5, 10), JournalEvent::Mal, 1, "Ägir", "S-1", "", "13:05:10", "klick"}});
        });
        return failure && failure->reason() == QStringLiteral("Ingen vanlig fil") ? 0 : 1;
    });
    EXPECT_EQ(end.exitCode, 0);
}
