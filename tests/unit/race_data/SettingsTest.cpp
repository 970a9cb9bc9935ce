// Vindo.ini: read as the profile functions read it, written changing only the desk's lines, and a file
// that cannot be written reported with its path and reason, staying as it was.
#include "Settings.h"
#include "FileFailure.h"
#include "FileFaults.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using race_data::LasInstallningar;
using race_data::SparaInstallningar;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ini = race_data::settingsPath(dir.path());

    race_data::Installningar readFrom(const QByteArray& bytes) {
        writeBytes(ini, bytes);
        return LasInstallningar(ini);
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

const QString Hostfil = QStringLiteral("C:\\R\\Höst.dat");
const QByteArray OldSettings = "[Brisrundan]\r\nLast=C:\\R\\V\xE5r.dat\r\n";

} // namespace

// A missing file, one without the section and one of garbage all read as "NC", and reading writes nothing.
TEST_F(SettingsTest, MissingOrUnreadableSettingsReadAsNC) {
    const race_data::Installningar s = LasInstallningar(ini);
    EXPECT_EQ(s.DataFil, "NC");
    EXPECT_EQ(s.BatarIMal, QStringList{"NC"});
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_EQ(readFrom("[Annat]\r\nLast=x\r\n").DataFil, "NC");
    const QByteArray garbage =
        QByteArray("\xFF[=\0]\n\x9A", 7).repeated(400'000) + "[Brisrundan\n[=]\n=\n==x\n]";
    EXPECT_EQ(readFrom(garbage).DataFil, "NC");
    EXPECT_TRUE(race_data::writeProfileStrings(ini, "Brisrundan", {{"Last", "ok"}}));
    EXPECT_EQ(LasInstallningar(ini).DataFil, "ok");
}

// What a file reads as: names without regard to case, Windows-1252 text, quotes around a whole value
// dropped as the profile functions drop them (any other quote stays), the first section and the first key
// winning whatever the line ends, values cut at 254 characters.
TEST_F(SettingsTest, ReadsAsTheProfileFunctionsRead) {
    const QByteArray long300(300, '\xE5');
    const struct {
        QByteArray text;
        QString DataFil, BatarIMalText;
    } cases[] = {
        {"[Annat]\r\nLast=fel\r\n[brisRUNDAN]\r\n  LAST =  C:\\R\\H\xF6st.dat  \r\nB\xC5TAR I "
         "M\xC5L=x**x*\r\n",
         Hostfil, "x**x*"},
        {"[Brisrundan]\r\nLast=\"C:\\R\\H\xF6st.dat\"\r\n", Hostfil, "NC"},
        {"[Brisrundan]\r\nLast='x**x'\r\n", "x**x", "NC"},
        {"[Brisrundan]\r\nLast=\"ett'\r\n", "\"ett'", "NC"},
        {"[Brisrundan]\r\nLast=ett\r\nLast=tv\xE5\r\n[Brisrundan]\r\nLast=tre\r\nB\xE5tar i M\xE5l=\r\n",
         "ett", "NC"},
        {"[Brisrundan]\nLast=ett\nLast=tv\xE5\n[Brisrundan]\nLast=tre\nB\xE5tar i M\xE5l=\n", "ett", "NC"},
        {"[Brisrundan]\rLast=ett\rLast=tv\xE5\r[Brisrundan]\rLast=tre\rB\xE5tar i M\xE5l=\r", "ett", "NC"},
        {"[Brisrundan]\r\nLast=\r\nB\xE5tar i M\xE5l=\r\n", "", ""},
        {"[Brisrundan]\r\nLast=" + long300 + "\r\n", QString(254, u'å'), "NC"},
    };
    for (const auto& c : cases) {
        const race_data::Installningar s = readFrom(c.text);
        EXPECT_EQ(s.DataFil, c.DataFil) << c.text.toStdString();
        EXPECT_EQ(s.BatarIMalText, c.BatarIMalText) << c.text.toStdString();
    }
    EXPECT_EQ(readFrom(cases[0].text).BatarIMal, (QStringList{"x", "", "x", ""}));
    EXPECT_TRUE(readFrom(cases[7].text).BatarIMal.isEmpty());
}

// A new file is Windows-1252 with CRLF; an old one keeps everything else, gets CRLF, and gets the section
// at its end when it has none.
TEST_F(SettingsTest, WritingChangesOnlyTheDesksLines) {
    const struct {
        QByteArray before, after;
    } cases[] = {
        {{}, "[Brisrundan]\r\nLast=C:\\R\\H\xF6st.dat\r\nB\xE5tar i M\xE5l=x**x*\r\n"},
        {"; kommentar\n[Annat]\nLast=kvar\n\n[brisrundan]\nlast = gammal\nX=1\n\n\n[Sist]\nB=2",
         "; kommentar\r\n[Annat]\r\nLast=kvar\r\n\r\n[brisrundan]\r\nLast=C:\\R\\H\xF6st.dat\r\nX=1\r\n"
         "B\xE5tar i M\xE5l=x**x*\r\n\r\n\r\n[Sist]\r\nB=2\r\n"},
        {"[Annat]\rA=1\r",
         "[Annat]\r\nA=1\r\n\r\n[Brisrundan]\r\nLast=C:\\R\\H\xF6st.dat\r\nB\xE5tar i M\xE5l=x**x*\r\n"},
    };
    for (const auto& c : cases) {
        QFile::remove(ini);
        if (!c.before.isNull()) writeBytes(ini, c.before);
        SparaInstallningar(ini, Hostfil, {"x", "", "x", ""});
        EXPECT_EQ(readBytes(ini), c.after);
        EXPECT_EQ(files(), QStringList{"Vindo.ini"});
    }
}

// A folder in the file's place is told by the desk (its write-failure tests).
TEST_F(SettingsTest, AReadOnlyFileIsToldAndStaysAsItWas) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(ini).constData(), 0444);
    const std::optional<RuntimeError> error = SparaInstallningar(ini, "Höst.dat", {"x"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_EQ(base::fileFailureLine(*error), "Fil: " + ini + " – Filen är skrivskyddad");
    EXPECT_EQ(readBytes(ini), OldSettings);
    EXPECT_EQ(files(), QStringList{"Vindo.ini"});
}

// Run as an ordinary user in a child, so that the folder's permissions hold even for a root test run.
TEST_F(SettingsTest, AReadOnlyProgramFolderIsTold) {
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

TEST_F(SettingsTest, AReplacedFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
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
