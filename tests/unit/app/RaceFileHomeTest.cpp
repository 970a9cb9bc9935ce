// Where the race files are kept: beside a portable program, else in the user's own folder, made and
// filled with the example race and the sound on the first start.
#include "RaceFileHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr auto ReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr auto ReadOnlyFolder =
    ReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

class RaceFileHome : public ::testing::Test {
protected:
    RaceFileHome() {
        QDir().mkpath(program);
        QDir().mkpath(documents);
    }
    ~RaceFileHome() override {
        // A read-only folder made by a test must not stop the clean-up.
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner);
    }
    // The shipped files beside the program, as in a build tree.
    void shipBesideProgram() {
        for (const char* name : {"Exempel.dat", "Exempel.cmt", "Gun.wav"})
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(BRISRUNDAN_ASSETS "/") + name, QDir(program).filePath(name)));
    }
    QString userFolder() const { return QDir(documents).filePath("Brisrundan"); }

    QTemporaryDir dir;
    QString program = dir.filePath("usb/brisrundan");
    QString documents = dir.filePath("home/Dokument");
};

TEST_F(RaceFileHome, PortableOnlyWithAWritableSettingsFileAndNoDocumentsFolderKeepsTheProgramFolder) {
    struct Case {
        bool portable;
        const char* documents;
        const char* expected;
        bool prepare;
    };
    const Case cases[] = {
        {true, "/home/anna/Dokument", "/media/usb", false},
        {false, "/home/anna/Dokument", "/home/anna/Dokument/Brisrundan", true},
        {false, "", "/media/usb", false},
    };
    for (const Case& c : cases) {
        const home::Choice choice = home::chooseHome({"/media/usb", c.portable, c.documents});
        EXPECT_EQ(choice.appPath, c.expected) << c.portable << c.documents;
        EXPECT_EQ(choice.prepare, c.prepare) << c.portable << c.documents;
    }
}

TEST_F(RaceFileHome, ASettingsFileCountsOnlyWhereTheDeskCouldWriteIt) {
    const QString ini = QDir(program).filePath("Vindo.ini");
    EXPECT_FALSE(home::portableSettingsIn(program)) << "no settings file";
    QDir().mkpath(ini);
    EXPECT_FALSE(home::portableSettingsIn(program)) << "a folder named Vindo.ini";
    QDir().rmdir(ini);
    write(ini, "[Brisrundan]\r\n");
    EXPECT_TRUE(home::portableSettingsIn(program));
    QFile::setPermissions(ini, ReadOnly);
    EXPECT_FALSE(home::portableSettingsIn(program)) << "read-only settings file";
    QFile::setPermissions(ini, ReadOnly | QFileDevice::WriteOwner);
    QFile::setPermissions(program, ReadOnlyFolder);
    EXPECT_FALSE(home::portableSettingsIn(program)) << "read-only program folder";
}

TEST_F(RaceFileHome, FirstStartMakesTheUserFolderWithTheExampleRaceReadOnlyAndTheSound) {
    shipBesideProgram();
    // A settings file that the desk could not write does not make a portable copy.
    write(QDir(program).filePath("Vindo.ini"), "");
    QFile::setPermissions(QDir(program).filePath("Vindo.ini"), ReadOnly);

    EXPECT_EQ(home::raceFileHome(program, documents), QDir::toNativeSeparators(userFolder()));
    for (const char* name : {"Exempel.dat", "Exempel.cmt", "Gun.wav"}) {
        const QString copy = QDir(userFolder()).filePath(name);
        EXPECT_EQ(contents(copy), contents(QDir(program).filePath(name))) << name;
        const bool exampleRace = QString(name) != "Gun.wav";
        EXPECT_EQ(bool(QFile::permissions(copy) & QFileDevice::WriteOwner), !exampleRace) << name;
    }

    // Later starts leave the operator's files alone and put back what is missing.
    write(QDir(userFolder()).filePath("Höst.dat"), "race");
    write(QDir(userFolder()).filePath("Gun.wav"), "own sound");
    QFile::remove(QDir(userFolder()).filePath("Exempel.cmt"));
    EXPECT_EQ(home::raceFileHome(program, documents), QDir::toNativeSeparators(userFolder()));
    EXPECT_EQ(contents(QDir(userFolder()).filePath("Höst.dat")), "race");
    EXPECT_EQ(contents(QDir(userFolder()).filePath("Gun.wav")), "own sound");
    EXPECT_EQ(contents(QDir(userFolder()).filePath("Exempel.cmt")),
              contents(QDir(program).filePath("Exempel.cmt")));
}

TEST_F(RaceFileHome, InstalledProgramTakesTheShippedFilesFromItsDataFolder) {
    // prefix/bin/brisrundan with the example race in prefix/share/brisrundan
    const QString prefix = dir.filePath("usr");
    const QString bin = QDir(prefix).filePath("bin");
    const QString data = QDir(prefix).filePath("share/brisrundan");
    QDir().mkpath(bin);
    QDir().mkpath(data);
    write(QDir(data).filePath("Exempel.dat"), "records");
    EXPECT_EQ(QDir(home::dataDirFor(bin)), QDir(data));
    EXPECT_EQ(home::dataDirFor(dir.filePath("home")), QString());

    EXPECT_EQ(home::raceFileHome(bin, documents), QDir::toNativeSeparators(userFolder()));
    EXPECT_EQ(contents(QDir(userFolder()).filePath("Exempel.dat")), "records");
}

TEST_F(RaceFileHome, AUserFolderThatCannotBeMadeLeavesTheProgramFolder) {
    shipBesideProgram();
    // The documents "folder" is a file: nothing can be made inside it.
    const QString notAFolder = dir.filePath("Dokument");
    write(notAFolder, "");
    EXPECT_FALSE(home::prepareHome(QDir(notAFolder).filePath("Brisrundan"), program));
    EXPECT_EQ(home::raceFileHome(program, notAFolder), QDir::toNativeSeparators(program));
}

} // namespace
