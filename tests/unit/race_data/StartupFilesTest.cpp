// The last race file is tested and opened without ever waiting on a FIFO, a device or a folder.
#include "FileFaults.h"
#include "RaceFiles.h"
#include "RuntimeError.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The alarm ends a test that would wait for ever on a FIFO.
class StartupFilesTest : public RaceFolderTest {
protected:
    void SetUp() override {
        alarm(10);
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QDir().mkpath(folder);
        writeBytes(dat, "x");
    }
    void TearDown() override { alarm(0); }
    QString fifo = dir.filePath("Rör.dat");
    QString folder = dir.filePath("Mapp.dat");
};

} // namespace

TEST_F(StartupFilesTest, OnlyARegularFileThatCanBeReadCounts) {
    EXPECT_TRUE(race_data::FilFinns(dat));
    for (const QString& path :
         {fifo, folder, QStringLiteral("/dev/null"), dir.filePath("saknas.dat"), QString()})
        EXPECT_FALSE(race_data::FilFinns(path)) << path.toStdString();
    EXPECT_EQ(race_data::LasInstallningar(fifo).DataFil, "NC");
    EXPECT_TRUE(race_data::SparaInstallningar(fifo, dat, {}).has_value());
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dat).constData(), 0), 0);
    const ChildEnd end = runInChild([&] { // as nobody, since root reads everything
        dropRootPrivileges();
        return race_data::FilFinns(dat) ? 1 : 0;
    });
    EXPECT_EQ(end.exitCode, 0);
}

TEST_F(StartupFilesTest, OpeningAFifoOrAFolderIsRefusedAtOnce) {
    for (const QString& path : {fifo, folder}) {
        race_data::RaceFiles files;
        const std::optional<RuntimeError> error = failureOf([&] { files.open(path); });
        ASSERT_TRUE(error) << path.toStdString();
        EXPECT_EQ(error->path(), path);
        EXPECT_EQ(error->number(), 75);
    }
}
