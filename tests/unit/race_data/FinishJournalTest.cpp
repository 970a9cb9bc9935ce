#include "FinishJournal.h"
#include "FileFaults.h"
#include "RuntimeError.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace race_data;

namespace {

// 2006-05-20 at the given time of day, as the desk's date-time.
constexpr double at(int h, int m, int s) {
    return 38857.0 + (h * 3600 + m * 60 + s) / 86400.0;
}

const QByteArray Header =
    "\xEF\xBB\xBFTidpunkt;Händelse;Post;Namn;SegelId;Gammalt värde;Nytt värde;Källa\r\n";
const JournalEntry First{at(13, 5, 10), JournalEvent::Mal, 1, "Ägir", "S-1", "", "13:05:10", "klick"};
const JournalEntry Second{at(13, 6, 0), JournalEvent::Mal, 2, "Bris", "S-2", "", "13:06:00", "klick"};

class FinishJournalTest : public RaceFolderTest {
protected:
    QString log = dir.filePath("Höst 2004.log");
};

} // namespace

// Every kind of line is the desk's journal test; here the quoting, trimming and a change without a time.
TEST(FinishJournal, EachLineIsAFieldPerColumnInAFileBesideTheRace) {
    EXPECT_EQ(
        journalLine({at(14, 0, 1), JournalEvent::NyTid, 12, "Bris; \"Lilla\"  ", " S-2", "13:59:00",
                     "13:58:30", "inskriven tid"}),
        "2006-05-20 14:00:01;ny tid;12;\"Bris; \"\"Lilla\"\"\";S-2;13:59:00;13:58:30;inskriven tid\r\n");
    EXPECT_EQ(journalLine({0, JournalEvent::BTyp, 3, "Ägir", "S-1", "IF", "Folkbåt", ""}),
              ";båttyp;3;Ägir;S-1;IF;Folkbåt;\r\n");
}

// Once there is room again, and after a line a crash cut short, the next line stands on a line of its own.
TEST_F(FinishJournalTest, ALineIsWrittenWholeOrNotAtAll) {
    appendJournal(dat, {First});
    const QByteArray before = readBytes(log);
    ASSERT_EQ(before, Header + journalLine(First));
    {
        const FileSizeLimit full(static_cast<rlim_t>(before.size() + 20));
        const std::optional<RuntimeError> error = failureOf([&] { appendJournal(dat, {Second}); });
        EXPECT_EQ(error ? error->number() : 0, runtime_error_numbers::DiskFull);
    }
    EXPECT_EQ(readBytes(log), before);
    appendJournal(dat, {Second});
    EXPECT_EQ(readBytes(log), before + journalLine(Second));
    writeBytes(log, before + "2006-05-20 13:07:00;mål;3;Cir");
    appendJournal(dat, {First});
    EXPECT_EQ(readBytes(log), before + "2006-05-20 13:07:00;mål;3;Cir\r\n" + journalLine(First));
}

TEST_F(FinishJournalTest, AFifoInTheJournalsPlaceIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(QFile::encodeName(log).constData(), 0600), 0);
    const ChildEnd end = runInChild([this] {
        alarm(10);
        const std::optional<RuntimeError> failure = failureOf([this] { appendJournal(dat, {First}); });
        return failure && failure->reason() == "Ingen vanlig fil" ? 0 : 1;
    });
    EXPECT_EQ(end.exitCode, 0);
}
