// brisrundan run as the real program from a script: --export, the file it writes and each way it refuses.
#include "DeskFixture.h"

#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray out, err;
};

// Without a display and without a platform chosen, as a script on a server runs it.
Finished brisrundan(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
        env.remove(name);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BRISRUNDAN_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace

class CommandLineExportTest : public DeskTest {
protected:
    CommandLineExportTest() { writeFinishedRace(); }
};

// A tie shares place and points, lower record first; no comment file, settings, journal or NAME.json is made.
TEST_F(CommandLineExportTest, WritesTheRankedListAndNothingElse) {
    QFile::remove(path(u"Höst.cmt"_s));
    QStringList written = QDir(dir.path()).entryList(QDir::Files);
    for (const QString& format : {u"csv"_s, u"html"_s, u"pdf"_s}) {
        const Finished run = brisrundan({u"--export"_s, path(u"ut."_s + format), path(u"Höst.dat"_s)});
        EXPECT_EQ(run.exitCode, 0) << format.toStdString();
        EXPECT_EQ(run.out + run.err, QByteArray());
        written << u"ut."_s + format;
    }
    written.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), written);
    EXPECT_EQ(readBytes(path(u"ut.csv"_s)).toStdString(),
              "\xEF\xBB\xBF"
              "Namn;SegelId;Start;Mål;Seglad Tid;SRS;Korrigerad Tid;Plac.;Poäng\r\n"
              "Cecilia;S3;10:00:00;13:00:00;3:00:00;1,000;3:00:00;1=;1,5\r\n"
              "Bertil;S2;10:00:00;13:00:00;3:00:00;1,000;3:00:00;1=;1,5\r\n"
              "Anna;S1;10:00:00;14:00:00;4:00:00;1,000;4:00:00;3;3\r\n"
              "David;S4;10:00:00;--:--:--;;1,000;;;\r\n");
    EXPECT_TRUE(readBytes(path(u"ut.html"_s)).contains("Höst, lördag 5 juli 2003")) << "name and date";
    EXPECT_TRUE(readBytes(path(u"ut.pdf"_s)).startsWith("%PDF-"));

    Finished full;
    {
        const FileSizeLimit limit(100); // the program started now inherits the limit
        full = brisrundan({u"--export"_s, path(u"full.html"_s), path(u"Höst.dat"_s)});
    }
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(full.err),
              u"Kan inte skriva %1: Filen har nått största tillåtna storlek\n"_s.arg(path(u"full.html"_s)));
    EXPECT_FALSE(QFile::exists(path(u"full.html"_s)));
}

// A refusal is one line on stderr; a FIFO, device (as root; else a FIFO), folder or link is left in place.
TEST_F(CommandLineExportTest, AnswersEachCallWithItsOwnLinesAndWritesNothing) {
    const QString fifo = path(u"rör.csv"_s), device = path(u"enhet.csv"_s), race = path(u"Höst.dat"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        ASSERT_EQ(mkfifo(QFile::encodeName(device).constData(), 0600), 0);
    }
    ASSERT_TRUE(QFile::link(device, path(u"länk.csv"_s)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"mapp.csv"_s));
    struct Case {
        QStringList args;
        int exitCode;
        QString says;
    };
    std::vector<Case> cases = {
        {{u"--export"_s, path(u"ut.csv"_s), path(u"Vår.dat"_s)}, 1, u"Tävlingsfilen kan inte läsas"_s},
        {{u"--export"_s, path(u"ut.txt"_s), race}, 1, u"Okänd filtyp"_s},
        {{u"--export"_s, path(u"saknas/ut.csv"_s), race}, 1, u"saknas/ut.csv: Mappen finns inte"_s},
        {{u"--export"_s, path(u"ut.csv"_s)}, 1, u"Användning"_s},
        {{u"--fart"_s}, 2, u"Okänt val: --fart"_s},
    };
    for (const QString& out : {fifo, device, path(u"länk.csv"_s), path(u"mapp.csv"_s)})
        cases.push_back({{u"--export"_s, out, race}, 1, out + u": Ingen vanlig fil\n"_s});
    for (const auto& c : cases) {
        const Finished run = brisrundan(c.args);
        const QString said = QString::fromUtf8(c.exitCode == 0 ? run.out : run.err);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.says.toStdString();
        EXPECT_EQ(c.exitCode == 0 ? run.err : run.out, QByteArray());
        EXPECT_TRUE(said.contains(c.says) && (c.exitCode != 1 || said.count(u'\n') == 1))
            << said.toStdString();
    }
    // A FIFO, device or link replaced by a regular file would be listed here.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoSymLinks),
              (QStringList{u"Höst.cmt"_s, u"Höst.dat"_s}));
}
