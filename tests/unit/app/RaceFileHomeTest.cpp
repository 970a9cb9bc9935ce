// Where the race files are kept: beside a portable program, else in the user's own folder.
#include "RaceFileHome.h"
#include "../FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr auto ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup;

class RaceFileHome : public ::testing::Test {
protected:
    RaceFileHome() {
        QDir().mkpath(documents);
        QDir().mkpath(program);
        for (const char* name : {"Exempel.dat", "Exempel.cmt", "Gun.wav"})
            QFile::copy(QStringLiteral(BRISRUNDAN_ASSETS "/") + name, QDir(program).filePath(name));
    }
    ~RaceFileHome() override { // a read-only folder must not stop the clean-up
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner);
    }
    QString in(const QString& folder, const char* name) const { return QDir(folder).filePath(name); }

    QTemporaryDir dir;
    QString program = dir.filePath("usb/brisrundan");
    QString documents = dir.filePath("home/Dokument");
    QString user = dir.filePath("home/Dokument/Brisrundan");
};

TEST_F(RaceFileHome, APortableCopyNeedsASettingsFileTheDeskCanWrite) {
    const QString ini = in(program, "Vindo.ini");
    EXPECT_FALSE(home::portableSettingsIn(program)) << "no settings file";
    QDir().mkpath(ini);
    EXPECT_FALSE(home::portableSettingsIn(program)) << "a folder named Vindo.ini";
    QDir().rmdir(ini);
    writeBytes(ini, "[Brisrundan]\r\n");
    EXPECT_EQ(home::raceFileHome(program, documents), QDir::toNativeSeparators(program));
    EXPECT_FALSE(QFileInfo::exists(user));
    QFile::setPermissions(program, ReadOnly | QFileDevice::ExeOwner);
    EXPECT_FALSE(home::portableSettingsIn(program)) << "read-only program folder";
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner);
    QFile::setPermissions(ini, ReadOnly);
    EXPECT_FALSE(home::portableSettingsIn(program)) << "read-only settings file";
    EXPECT_EQ(home::chooseHome({"/media/usb", false, ""}).appPath, "/media/usb") << "no documents folder";
}

TEST_F(RaceFileHome, FirstStartMakesTheUserFolderWithTheExampleRaceReadOnlyAndTheSound) {
    EXPECT_EQ(home::raceFileHome(program, documents), QDir::toNativeSeparators(user));
    for (const char* name : {"Exempel.dat", "Exempel.cmt", "Gun.wav"}) {
        EXPECT_EQ(readBytes(in(user, name)), readBytes(in(program, name))) << name;
        const bool exampleRace = QString(name) != "Gun.wav";
        EXPECT_EQ(bool(QFile::permissions(in(user, name)) & QFileDevice::WriteOwner), !exampleRace) << name;
    }
    // Later starts leave the operator's files alone and put back what is missing.
    writeBytes(in(user, "Gun.wav"), "own sound");
    QFile::remove(in(user, "Exempel.cmt"));
    EXPECT_EQ(home::raceFileHome(program, documents), QDir::toNativeSeparators(user));
    EXPECT_EQ(readBytes(in(user, "Gun.wav")), "own sound");
    EXPECT_EQ(readBytes(in(user, "Exempel.cmt")), readBytes(in(program, "Exempel.cmt")));
}

TEST_F(RaceFileHome, InstalledProgramTakesTheShippedFilesFromItsDataFolder) {
    // prefix/bin/brisrundan with the example race in prefix/share/brisrundan
    const QString bin = dir.filePath("usr/bin");
    const QString data = dir.filePath("usr/share/brisrundan");
    QDir().mkpath(bin);
    QDir().mkpath(data);
    writeBytes(in(data, "Exempel.dat"), "records");
    EXPECT_EQ(home::raceFileHome(bin, documents), QDir::toNativeSeparators(user));
    EXPECT_EQ(readBytes(in(user, "Exempel.dat")), "records");
    EXPECT_EQ(home::dataDirFor(dir.filePath("home")), QString());
}

TEST_F(RaceFileHome, AUserFolderThatCannotBeMadeLeavesTheProgramFolder) {
    const QString notAFolder = dir.filePath("Dokument"); // a file: nothing can be made inside it
    writeBytes(notAFolder, "");
    EXPECT_EQ(home::raceFileHome(program, notAFolder), QDir::toNativeSeparators(program));
}

} // namespace
