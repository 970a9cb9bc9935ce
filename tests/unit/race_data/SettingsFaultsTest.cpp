// A settings file that cannot be written is reported with its path and reason and stays as it was.
#include "FileFailure.h"
#include "FileFaults.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
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

TEST_F(SettingsFaultsTest, EveryRefusedWriteIsToldAndLeavesTheFile) {
    struct Case {
        const char* name;
        std::function<void(const QString&)> fault;
        int number;
        const char* reason;
    };
    const Case cases[] = {
        {"mode 444", [](const QString& ini) { chmod(QFile::encodeName(ini).constData(), 0444); }, 75,
         "Filen är skrivskyddad"},
        {"disk full", [](const QString&) {}, 61, "Filen har nått största tillåtna storlek"},
    };
    for (const Case& c : cases) {
        QFile::remove(ini);
        writeBytes(ini, OldSettings);
        c.fault(ini);
        std::optional<RuntimeError> error;
        {
            const FileSizeLimit limit(std::string(c.name) == "disk full" ? 20 : RLIM_INFINITY);
            error = save();
        }
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->number(), c.number) << c.name;
        EXPECT_EQ(base::fileFailureLine(*error),
                  QStringLiteral("Fil: %1 – %2").arg(ini, QString::fromUtf8(c.reason)))
            << c.name;
        EXPECT_EQ(readBytes(ini), OldSettings) << c.name;
        EXPECT_EQ(leftovers(), QStringList{"Vindo.ini"}) << c.name;
        QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
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
