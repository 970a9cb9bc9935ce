// A settings file that cannot be written is reported with its path and reason and stays as it was; a full
// disk under it is the file layer's contract.
#include "FileFailure.h"
#include "FileFaults.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using race_data::SparaInstallningar;

namespace {

const QByteArray OldSettings = "[Brisrundan]\r\nLast=C:\\R\\V\xE5r.dat\r\n";

class SettingsFaultsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ini = race_data::settingsPath(dir.path());
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
};

} // namespace

TEST_F(SettingsFaultsTest, AReadOnlyFileOrAFolderOfThatNameIsToldAndStaysAsItWas) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(ini).constData(), 0444);
    std::optional<RuntimeError> error = SparaInstallningar(ini, "Höst.dat", {"x"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_EQ(base::fileFailureLine(*error), "Fil: " + ini + " – Filen är skrivskyddad");
    EXPECT_EQ(readBytes(ini), OldSettings);
    EXPECT_EQ(files(), QStringList{"Vindo.ini"});
    QFile::remove(ini);
    QDir().mkpath(ini);
    error = SparaInstallningar(ini, "Höst.dat", {"x"});
    ASSERT_TRUE(error);
    EXPECT_EQ(base::fileFailureLine(*error), "Fil: " + ini + " – Det är en mapp, inte en fil");
    EXPECT_TRUE(QFileInfo(ini).isDir());
}

// Run as an ordinary user in a child, so that the folder's permissions hold even for a root test run.
TEST_F(SettingsFaultsTest, AReadOnlyProgramFolderIsTold) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(dir.path()).constData(), 0555);
    chmod(QFile::encodeName(ini).constData(), 0644);
    const ChildEnd end = runInChild([&] {
        dropRootPrivileges();
        const std::optional<RuntimeError> error = SparaInstallningar(ini, "Höst.dat", {"x"});
        return error && error->number() == 75 &&
                       base::fileFailureLine(*error) == "Fil: " + ini + " – Behörighet saknas"
                   ? 0
                   : 1;
    });
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_EQ(readBytes(ini), OldSettings);
    EXPECT_EQ(files(), QStringList{"Vindo.ini"});
}

TEST_F(SettingsFaultsTest, AReplacedFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(ini).constData(), 0640);
    EXPECT_FALSE(SparaInstallningar(ini, "Höst.dat", {"x", ""}));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(ini).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(race_data::LasInstallningar(ini).DataFil, "Höst.dat");
    EXPECT_EQ(race_data::LasInstallningar(ini).BatarIMalText, "x*");
    EXPECT_EQ(files(), QStringList{"Vindo.ini"});
}
