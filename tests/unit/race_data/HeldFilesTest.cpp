// One writer per race file: the desk shares the handle it holds with a second opening in its own process,
// and is told when another program holds the file for writing.
#include "FileFailure.h"
#include "FileFaults.h"
#include "RaceFiles.h"
#include "SystemFile.h"
#include "TestFiles.h"

using race_data::RaceFiles;

namespace {

DeltagarPost boat(const QString& namn) {
    DeltagarPost p;
    p.Namn = namn;
    return p;
}

class HeldFilesTest : public RaceFolderTest {};

} // namespace

TEST_F(HeldFilesTest, ARaceOpenedAgainInTheDeskSharesItsFiles) {
    files.open(dat);
    files.writeRecord(1, boat("Ett"));
    RaceFiles again;
    again.open(dat);
    again.writeRecord(2, boat("Två"));
    EXPECT_EQ(files.appendComment("Rev"), 1);
    files.close();
    again.writeRecord(3, boat("Tre"));
    EXPECT_EQ(again.readComment(1, 3), "Rev");
    EXPECT_EQ(again.recordCount(), 3);
    EXPECT_EQ(again.readRecord(1).Namn.trimmed(), "Ett");
}

TEST_F(HeldFilesTest, ARaceAnotherProgramWritesIsReadAndNeverWritten) {
    writeRace(dat, {{"Ett", "S1"}});
    const QByteArray before = readBytes(dat);
    {
        const ChildHolding other([this] {
            static race_data::sysfile::File held; // open until the child is ended
            held.open(QFile::encodeName(dat).toStdString(), race_data::sysfile::Access::ReadWrite);
        });
        files.open(dat);
        EXPECT_EQ(files.readRecord(1).Namn.trimmed(), "Ett");
        const std::optional<RuntimeError> error = failureOf([&] { files.writeRecord(2, boat("Två")); });
        ASSERT_TRUE(error);
        EXPECT_EQ(base::fileFailureLine(*error), "Fil: " + dat + " – Filen används av ett annat program");
        EXPECT_EQ(readBytes(dat), before);
    }
    files.open(dat);
    files.writeRecord(2, boat("Två"));
    EXPECT_EQ(files.recordCount(), 2);
}
