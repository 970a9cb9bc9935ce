#include "CommandLineExport.h"

#include "CommandLineInfo.h"
#include "RaceFileHome.h"
#include "RaceFiles.h"
#include "RaceResultList.h"
#include "RaceTime.h"
#include "ResultCorrections.h"
#include "ResultHeading.h"
#include "Settings.h"
#include "ShownTexts.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace cli {

namespace {

// Qt's own notes (a missing runtime folder, an offscreen platform) would break the promise of a
// silent success; only its critical messages are let through.
void keepQuietNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((qFormatLogMessage(type, context, text) + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

int fail(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return 1;
}

} // namespace

bool isExportCommand(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], "--export") == 0;
}

results::ResultExport startupResultList(race::Race& race, const QString& TavlingsNamn,
                                        timing::DateTime written, const QString& defaultClub) {
    race.restoreUnderWay();
    const race_data::ResultText& text = race.resultText();
    results::ResultExport list;
    list.clubName = text.club.value_or(defaultClub);
    list.heading = text.heading.isEmpty() ? results::honestHeading(TavlingsNamn, race.start()) : text.heading;
    list.final = text.final;
    list.written = written;
    list.picture = QImage(QStringLiteral(":/pictures/Logo.png"));
    if (!(race.start() > 0)) return list; // without a start the window shows no rows
    // The finish date of the boat last queued is handed to the result list, as start-up does.
    const QString lastFinishDate =
        race.queue().empty()
            ? QString()
            : race::shownTexts(race.record(race.queue().back().record), race.start()).finishDate;
    results::ResultatLista rows =
        results::raceResultList(race, timing::dateText(race.start()), lastFinishDate, TavlingsNamn);
    results::applyCorrections(rows, text);
    list.rows = std::move(rows.rows);
    return list;
}

// The club typed last on this machine, read from the desk's settings without making any folder or file.
QString settingsClub() {
    home::Facts facts;
    facts.programDir = QCoreApplication::applicationDirPath();
    facts.portableSettings = home::portableSettingsIn(facts.programDir);
    facts.documentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString settings = race_data::settingsPath(home::chooseHome(facts).appPath);
    return race_data::readProfileString(settings, QStringLiteral("Brisrundan"), QStringLiteral("Klubb"),
                                        QString());
}

int runExportCommand(int argc, char** argv) {
    // No window is shown, and a machine without a display must do as well as one with.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepQuietNotes);
    const QGuiApplication gui(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) return fail(usageLine());
    const QString& out = args[2];
    const QString& raceFile = args[3];
    if (!results::exportFormatOf(out))
        return fail(QStringLiteral("Okänd filtyp: %1 (välj %2)").arg(out, results::exportExtensionsText()));
    race::Race race;
    try {
        if (!race_data::FilFinns(raceFile)) throw RuntimeError(runtime_error_numbers::FileNotFound);
        race.open(raceFile, race::OpenFor::Reading);
    } catch (const RuntimeError&) {
        return fail(QStringLiteral("Tävlingsfilen kan inte läsas: %1").arg(raceFile));
    }
    try {
        results::exportResultList(out, startupResultList(race, race_data::raceName(raceFile),
                                                         timing::timeStamp(QDateTime::currentDateTime()),
                                                         settingsClub()));
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
    return 0;
}

} // namespace cli
