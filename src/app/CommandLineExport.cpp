#include "CommandLineExport.h"

#include "CommandLineInfo.h"
#include "RaceFileHome.h"
#include "RaceFiles.h"
#include "RaceResultList.h"
#include "RaceTime.h"
#include "Settings.h"

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
    results::ResultExport list = results::raceResultExport(race, TavlingsNamn, written, defaultClub);
    list.picture = QImage(QStringLiteral(":/pictures/Logo.png"));
    return list;
}

// The club typed last on this machine, read from the desk's settings without making any folder or file.
QString settingsClub() {
    home::Facts facts;
    facts.programDir = QCoreApplication::applicationDirPath();
    facts.portableSettings = home::portableSettingsIn(facts.programDir);
    facts.documentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString settings = race_data::settingsPath(home::chooseHome(facts).appPath);
    return race_data::LasKlubb(settings);
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
