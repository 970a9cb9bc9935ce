// brisrundan run as the real program from a script: --export, the file it writes and each way it
// refuses, --help and --version.
#include "DeskFixture.h"

#include "ControlProps.h"
#include "FileSizeLimit.h"
#include "frmResultat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray out, err;
};

// Without a display and without a platform chosen, as a script on a server runs it.
Finished brisrundan(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BRISRUNDAN_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

Finished exportCommand(const QStringList& args) {
    return brisrundan(QStringList{QStringLiteral("--export")} + args);
}

} // namespace

using CommandLineExportTest = DeskTest;

TEST_F(CommandLineExportTest, WritesWhatResultatListaShowsAfterAFreshStart) {
    writeFinishedRace();
    writeSettings(path(QStringLiteral("Höst.dat")), QString());
    frmMain& d = load();
    d.lblfrmRes_Click();
    EXPECT_EQ(d.resultat().windowTitle(), QStringLiteral("ResultatLista  Fil  Höst      Lördag 5 Juli 2003"));
    EXPECT_TRUE(controls::ownVisible(&d.resultat()));
    EXPECT_FALSE(controls::ownVisible(d.panAdmin));
    scripted.dialogs.queueFile(path(QStringLiteral("desk.csv")));
    d.lblExport_Click();
    // Equal corrected seconds share the place and its points, the lower record number first; the boat
    // still sailing stands last without place or points.
    const QByteArray fromDesk = readBytes(path(QStringLiteral("desk.csv")));
    ASSERT_EQ(fromDesk.toStdString(),
              QStringLiteral("\uFEFFNamn;SegelId;Start;Mål;Seglad Tid;SRS;Korrigerad Tid;Plac.;Poäng\r\n"
                             "Cecilia;S3;10:00:00;13:00:00;3:00:00;1,000;3:00:00;1=;1,5\r\n"
                             "Bertil;S2;10:00:00;13:00:00;3:00:00;1,000;3:00:00;1=;1,5\r\n"
                             "Anna;S1;10:00:00;14:00:00;4:00:00;1,000;4:00:00;3;3\r\n"
                             "David;S4;10:00:00;--:--:--;;1,000;;;\r\n")
                  .toStdString());

    for (const char* format : {"csv", "html", "pdf"}) {
        SCOPED_TRACE(format);
        const QString out = path(QStringLiteral("ut.") + QString::fromLatin1(format));
        const Finished run = exportCommand({out, path(QStringLiteral("Höst.dat"))});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out + run.err, QByteArray());
        const QByteArray written = readBytes(out);
        if (QByteArrayView(format) == "csv") {
            EXPECT_EQ(written, fromDesk);
        } else if (QByteArrayView(format) == "html") {
            EXPECT_TRUE(
                written.contains(R"(<span class="namn">Cecilia</span><span class="segel">S3</span>)"));
            EXPECT_TRUE(written.contains("Höst, lördag 5 juli 2003")) << "no heading typed: name and date";
            EXPECT_TRUE(written.contains(R"(<span class="namn">David</span>)")) << "every boat is listed";
        } else {
            EXPECT_TRUE(written.startsWith("%PDF-"));
        }
    }
}

TEST_F(CommandLineExportTest, RefusesWithOneSwedishLineAndWritesNothing) {
    writeFinishedRace();
    const QString race = path(QStringLiteral("Höst.dat"));
    const struct {
        const char* what;
        QStringList args;
        QString says;
    } cases[] = {
        {"missing race file",
         {path(QStringLiteral("ut.csv")), path(QStringLiteral("Vår.dat"))},
         QStringLiteral("Tävlingsfilen kan inte läsas")},
        {"race file is a folder",
         {path(QStringLiteral("ut.csv")), dir.path()},
         QStringLiteral("Tävlingsfilen kan inte läsas")},
        {"unknown extension", {path(QStringLiteral("ut.txt")), race}, QStringLiteral("Okänd filtyp")},
        {"output folder missing",
         {path(QStringLiteral("saknas/ut.csv")), race},
         QStringLiteral("saknas/ut.csv: Mappen finns inte")},
        {"no race file named", {path(QStringLiteral("ut.csv"))}, QStringLiteral("Användning")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Finished run = exportCommand(c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, QByteArray());
        const QString err = QString::fromUtf8(run.err);
        EXPECT_TRUE(err.contains(c.says)) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1);
        EXPECT_TRUE(err.endsWith(QLatin1Char('\n')));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("ut.csv"))));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("ut.txt"))));
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Vår.dat"))));
}

// An output that is a FIFO, a device or a folder, or a link to one, is left as it was: one Swedish line,
// exit 1. The device is a private node in the test's folder (as root), else a second FIFO.
TEST_F(CommandLineExportTest, AnOutputThatIsNoRegularFileStaysAsItWas) {
    writeFinishedRace();
    const QString fifo = path(QStringLiteral("rör.csv"));
    const QString device = path(QStringLiteral("enhet.csv"));
    const QString link = path(QStringLiteral("länk.csv"));
    const QString folder = path(QStringLiteral("mapp.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        ASSERT_EQ(mkfifo(QFile::encodeName(device).constData(), 0600), 0);
    }
    ASSERT_TRUE(QFile::link(device, link));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("mapp.csv")));
    for (const QString& out : {fifo, device, link, folder}) {
        SCOPED_TRACE(out.toStdString());
        struct stat before {};
        ASSERT_EQ(lstat(QFile::encodeName(out).constData(), &before), 0);
        const Finished run = exportCommand({out, path(QStringLiteral("Höst.dat"))});
        EXPECT_EQ(run.exitCode, 1);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(err, QStringLiteral("Kan inte skriva %1: Ingen vanlig fil\n").arg(out));
        struct stat after {};
        ASSERT_EQ(lstat(QFile::encodeName(out).constData(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
}

// The export reads the race and writes its output and nothing else: a missing comment file reads as
// empty comments and is not made; no settings, journal or NAME.json appear. A full disk is told in Swedish.
TEST_F(CommandLineExportTest, WritesItsOutputAndNothingElse) {
    writeFinishedRace();
    QFile::remove(path(QStringLiteral("Höst.cmt")));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    const Finished run = exportCommand({path(QStringLiteral("ut.csv")), path(QStringLiteral("Höst.dat"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before + QStringList{QStringLiteral("ut.csv")});

    Finished full;
    {
        const FileSizeLimit limit(100); // the program started now inherits the limit
        full = exportCommand({path(QStringLiteral("ut.html")), path(QStringLiteral("Höst.dat"))});
    }
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(full.err),
              QStringLiteral("Kan inte skriva %1: Filen har nått största tillåtna storlek\n")
                  .arg(path(QStringLiteral("ut.html"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("ut.html"))));
}

// Help and version print and end without a display; an unknown option is refused with the help.
TEST(CommandLine, HelpAndVersionWithoutADisplay) {
    const Finished help = brisrundan({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(help.out).contains(QStringLiteral("--export UT TÄVLING.dat")));
    EXPECT_EQ(help.err, QByteArray());
    const Finished version = brisrundan({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("Brisrundan "));
    const Finished unknown = brisrundan({QStringLiteral("--fart")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(unknown.err).startsWith(QStringLiteral("Okänt val: --fart")));
}
