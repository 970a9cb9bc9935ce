#include "RaceFileHome.h"

#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace home {
namespace {

const QString FolderName = QStringLiteral("Brisrundan");
const QString ExampleRace[] = {QStringLiteral("Exempel.dat"), QStringLiteral("Exempel.cmt")};
const QString Sound = QStringLiteral("Gun.wav");
constexpr auto ReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Writable by this user and not marked read-only: the desk treats a file without its owner-write bit as
// read-only even where the process could write it.
bool writable(const QFileInfo& info) {
    return info.exists() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

// Copies name from dataDir into home unless home has it. A file that cannot be copied is missed by the
// desk as it would be beside the program; the folder is still the place for race files.
void copyIfMissing(const QString& dataDir, const QString& home, const QString& name, bool readOnly) {
    const QString to = QDir(home).filePath(name);
    if (QFileInfo::exists(to)) return;
    if (QFile::copy(QDir(dataDir).filePath(name), to) && readOnly) QFile::setPermissions(to, ReadOnly);
}

} // namespace

Choice chooseHome(const Facts& facts) {
    if (facts.portableSettings || facts.documentsDir.isEmpty()) return {facts.programDir, false};
    return {QDir(facts.documentsDir).filePath(FolderName), true};
}

bool portableSettingsIn(const QString& dir) {
    const QFileInfo settings(race_data::settingsPath(dir));
    return settings.isFile() && writable(settings) && writable(QFileInfo(dir));
}

QString dataDirFor(const QString& programDir) {
    // The installed data folder, relative to the installed program (for example ../share/brisrundan).
    const QString installed =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(BRISRUNDAN_DATA_FROM_PROGRAM)));
    for (const QString& dir : {programDir, installed})
        if (QFileInfo::exists(QDir(dir).filePath(ExampleRace[0]))) return dir;
    return QString();
}

bool prepareHome(const QString& home, const QString& dataDir) {
    if (!QDir().mkpath(home)) return false;
    if (dataDir.isEmpty()) return true;
    for (const QString& name : ExampleRace)
        copyIfMissing(dataDir, home, name, true);
    copyIfMissing(dataDir, home, Sound, false);
    return true;
}

QString raceFileHome(const QString& programDir, const QString& documentsDir) {
    const Choice choice = chooseHome({programDir, portableSettingsIn(programDir), documentsDir});
    if (choice.prepare && !prepareHome(choice.appPath, dataDirFor(programDir)))
        return QDir::toNativeSeparators(programDir);
    return QDir::toNativeSeparators(choice.appPath);
}

} // namespace home
