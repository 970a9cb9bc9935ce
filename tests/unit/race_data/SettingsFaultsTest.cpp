// A settings file that cannot be written is reported with its path and reason and stays as it was.
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

    std::optional<RuntimeError> save() {
        return SparaInstallningar(ini, QStringLiteral("Höst.dat"), {"x", ""});
    }
    QStringList leftovers() const { return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
};

} // namespace

// A full disk under the settings file is the file layer's contract (the old file and no temporary one
// stay); here the desk's settings pass the refusal on with the file and its reason.
TEST_F(SettingsFaultsTest, AReadOnlyFileIsToldAndStaysAsItWas) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(ini).constData(), 0444);
    const std::optional<RuntimeError> error = save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_EQ(base::fileFailureLine(*error), QStringLiteral("Fil: %1 – Filen är skrivskyddad").arg(ini));
    EXPECT_EQ(readBytes(ini), OldSettings);
    EXPECT_EQ(leftovers(), QStringList{"Vindo.ini"});
}

TEST_F(SettingsFaultsTest, AFolderOfThatNameIsToldAsAFolder) {
    QDir().mkpath(ini);
    const std::optional<RuntimeError> error = save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason(), "Det är en mapp, inte en fil");
    EXPECT_EQ(error->path(), ini);
    EXPECT_TRUE(QFileInfo(ini).isDir());
}

// Run as an ordinary user in a child, so that the folder's permissions hold even for a root test run.
TEST_F(SettingsFaultsTest, AReadOnlyProgramFolderIsTold) {
    const QString folder = dir.filePath(QStringLiteral("Program"));
    QDir().mkpath(folder);
    const QString inFolder = race_data::settingsPath(folder);
    writeBytes(inFolder, OldSettings);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    chmod(QFile::encodeName(folder).constData(), 0555);
    chmod(QFile::encodeName(inFolder).constData(), 0644);
    const ChildEnd end = runInChild([&] {
        dropRootPrivileges();
        const std::optional<RuntimeError> error =
            SparaInstallningar(inFolder, QStringLiteral("Höst.dat"), {"x"});
        if (!error) return 1;
        if (error->number() != 75 || error->reason() != QStringLiteral("Behörighet saknas")) return 2;
        return error->path() == inFolder ? 0 : 3;
    });
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_EQ(readBytes(inFolder), OldSettings);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"Vindo.ini"});
}

TEST_F(SettingsFaultsTest, AReplacedFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(ini).constData(), 0640);
    EXPECT_FALSE(save());
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(ini).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(race_data::LasInstallningar(ini).DataFil, "Höst.dat");
    EXPECT_EQ(race_data::LasInstallningar(ini).BatarIMalText, "x*");
    EXPECT_EQ(leftovers(), QStringList{"Vindo.ini"});
}
