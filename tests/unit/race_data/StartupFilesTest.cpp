// The last race file is tested and opened without ever waiting on a FIFO, a device or a folder.
#include "FileFaults.h"
#include "RaceFiles.h"
#include "RuntimeError.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A test that would wait for ever on a FIFO ends instead, failing, after a few seconds.
class StartupFilesTest : public ::testing::Test {
protected:
    void SetUp() override { alarm(10); }
    void TearDown() override { alarm(0); }
    QTemporaryDir dir;
    QString fifo = dir.filePath(QStringLiteral("Rör.dat"));
    QString folder = dir.filePath(QStringLiteral("Mapp.dat"));
    QString regular = dir.filePath(QStringLiteral("Höst.dat"));
};

} // namespace

TEST_F(StartupFilesTest, OnlyARegularFileCounts) {
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QDir().mkpath(folder);
    writeBytes(regular, "");
    const std::pair<QString, bool> cases[] = {
        {regular, true},
        {fifo, false},
        {folder, false},
        {"/dev/null", false},
        {dir.filePath("saknas.dat"), false},
        {QString(), false},
    };
    for (const auto& [path, exists] : cases)
        EXPECT_EQ(race_data::FilFinns(path), exists) << path.toStdString();
}

// A race file the desk may not read is not there for it (root reads everything, so the check runs as
// nobody).
TEST_F(StartupFilesTest, AFileThatCannotBeReadDoesNotCount) {
    writeBytes(regular, "x");
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(regular).constData(), 0), 0);
    const ChildEnd end = runInChild([&] {
        dropRootPrivileges();
        return race_data::FilFinns(regular) ? 1 : 0;
    });
    EXPECT_EQ(end.exitCode, 0);
}

TEST_F(StartupFilesTest, ASettingsFileThatIsAFifoReadsAsMissing) {
    const QString ini = race_data::settingsPath(dir.path());
    ASSERT_EQ(mkfifo(QFile::encodeName(ini).constData(), 0644), 0);
    EXPECT_EQ(race_data::LasInstallningar(ini).DataFil, "NC");
    EXPECT_TRUE(race_data::SparaInstallningar(ini, regular, {}).has_value());
}

TEST_F(StartupFilesTest, OpeningAFifoOrAFolderIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QDir().mkpath(folder);
    for (const QString& path : {fifo, folder}) {
        race_data::RaceFiles files;
        try {
            files.open(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_EQ(e.number(), 75);
        }
        EXPECT_FALSE(files.isOpen());
    }
}
