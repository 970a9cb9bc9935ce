// Vindo.ini: read as the profile functions read it, written changing only the desk's lines.
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

// A file of garbage takes the desk's lines; that reading writes nothing is the desk's first-run test.
TEST_F(SettingsTest, MissingOrUnreadableSettingsReadAsNC) {
    EXPECT_EQ(LasInstallningar(ini).BatarIMal, QStringList{"NC"});
    const QByteArray garbage =
        QByteArray("\xFF[=\0]\n\x9A", 7).repeated(400'000) + "[Brisrundan\n[=]\n=\n==x\n]";
    EXPECT_EQ(readFrom(garbage).DataFil, "NC");
    EXPECT_TRUE(race_data::writeProfileStrings(ini, "Brisrundan", {{"Last", "ok"}}));
    EXPECT_EQ(LasInstallningar(ini).DataFil, "ok");
}

// Quotes around a whole value are dropped (any other stays); the first section and key win.
TEST_F(SettingsTest, ReadsAsTheProfileFunctionsReadWhateverTheLinesEnd) {
    const struct {
        QByteArray text;
        QString DataFil, BatarIMalText;
    } cases[] = {
        {"[Annat]\nLast=fel\n[brisRUNDAN]\n  LAST =  C:\\R\\H\xF6st.dat  \nB\xC5TAR I M\xC5L=x**x*\n",
         Hostfil, "x**x*"},
        {"[Brisrundan]\nLast=\"C:\\R\\H\xF6st.dat\"\n", Hostfil, "NC"},
        {"[Brisrundan]\nLast='x**x'\n", "x**x", "NC"},
        {"[Brisrundan]\nLast=\"ett'\n", "\"ett'", "NC"},
        {"[Brisrundan]\nLast=ett\nLast=tv\xE5\n[Brisrundan]\nLast=tre\nB\xE5tar i M\xE5l=\n", "ett", "NC"},
        {"[Brisrundan]\nLast=\nB\xE5tar i M\xE5l=\n", "", ""},
        {"[Brisrundan]\nLast=" + QByteArray(300, '\xE5') + "\n", QString(254, u'å'), "NC"},
    };
    for (const char* end : {"\r\n", "\n", "\r"})
        for (const auto& c : cases) {
            const race_data::Installningar s = readFrom(QByteArray(c.text).replace("\n", end));
            EXPECT_EQ(s.DataFil + '|' + s.BatarIMalText, c.DataFil + '|' + c.BatarIMalText)
                << c.text.toStdString();
        }
    EXPECT_TRUE(readFrom(cases[5].text).BatarIMal.isEmpty());
}

// An old file keeps everything else and gets CRLF, and the section at its end when it has none.
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
    }
}

// The folder as nobody, since root passes every permission check; the file's flag stops even root.
TEST_F(SettingsTest, AReadOnlyFileOrProgramFolderIsToldAndChangesNothing) {
    const struct {
        QString path;
        mode_t mode, after;
        const char* reason;
    } cases[] = {{ini, 0444, 0644, "Filen är skrivskyddad"}, {dir.path(), 0555, 0755, "Behörighet saknas"}};
    for (const auto& c : cases) {
        writeBytes(ini, OldSettings);
        chmod(QFile::encodeName(c.path).constData(), c.mode);
        const ChildEnd end = runInChild([&] {
            if (c.path != ini) dropRootPrivileges();
            const std::optional<RuntimeError> error = SparaInstallningar(ini, "Höst.dat", {"x"});
            return error && error->number() == 75 &&
                           base::fileFailureLine(*error) == "Fil: " + ini + " – " + c.reason
                       ? 0
                       : 1;
        });
        chmod(QFile::encodeName(c.path).constData(), c.after);
        EXPECT_EQ(end.exitCode, 0) << c.reason;
        EXPECT_EQ(readBytes(ini), OldSettings);
        EXPECT_EQ(files(), QStringList{"Vindo.ini"});
    }
}

TEST_F(SettingsTest, AReplacedFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
    writeBytes(ini, OldSettings);
    chmod(QFile::encodeName(ini).constData(), 0640);
    EXPECT_FALSE(SparaInstallningar(ini, "Höst.dat", {"x", ""}));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(ini).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(files(), QStringList{"Vindo.ini"});
}
