#include "Settings.h"

#include "Cp1252.h"
#include "FileFailure.h"
#include "IniText.h"
#include "RaceFiles.h"
#include "SystemFileQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace race_data {

namespace {

const QString Section = QStringLiteral("Brisrundan");
const QString LastKey = QStringLiteral("Last");
const QString BatarIMalKey = QStringLiteral("Båtar i Mål");
const QString NotCreated = QStringLiteral("NC");

// The value buffer of the profile functions holds 255 characters including the terminating NUL.
constexpr qsizetype MaxValueLength = 254;

} // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue) {
    const std::optional<QByteArray> text = sysfile::readRegularFile(path);
    const std::optional<QByteArray> value =
        text ? ini::findValue(*text, cp1252::encode(section), cp1252::encode(key)) : std::nullopt;
    if (!value) return defaultValue.left(MaxValueLength);
    return cp1252::decode(value->left(MaxValueLength));
}

void saveProfileStrings(const QString& path, const QString& section,
                        const QList<QPair<QString, QString>>& keyValues) {
    // A settings file without its owner-write bit is left alone, as Windows leaves a read-only file.
    const QFileInfo info(path);
    if (info.isDir()) throw base::fileFailure(path, EISDIR);
    if (info.exists() && !info.isFile()) throw base::notARegularFile(path);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        throw base::writeProtectedFile(path);
    const std::optional<QByteArray> old = info.exists() ? sysfile::readRegularFile(path) : QByteArray();
    if (!old) throw base::fileFailure(path, EACCES);

    QList<QPair<QByteArray, QByteArray>> encoded;
    for (const auto& [key, value] : keyValues)
        encoded.append({cp1252::encode(key), cp1252::encode(value)});
    const QByteArray text = ini::withValues(*old, cp1252::encode(section), encoded);
    if (const int error = sysfile::replaceWhole(path, text)) throw base::fileFailure(path, error);
}

bool writeProfileStrings(const QString& path, const QString& section,
                         const QList<QPair<QString, QString>>& keyValues) {
    try {
        saveProfileStrings(path, section, keyValues);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

QString settingsPath(const QString& appPath) {
    return appPath + QDir::separator() + QStringLiteral("Vindo.ini");
}

namespace {

std::optional<RuntimeError> unreadableFile(const QString& path) {
    switch (sysfile::kindAt(path)) {
    case sysfile::Kind::Missing:
        return std::nullopt;
    case sysfile::Kind::Other:
        return noRegularFile(path);
    case sysfile::Kind::Regular:
        break;
    }
    if (sysfile::opensForReading(path)) return std::nullopt;
    return base::fileFailure(path, EACCES);
}

} // namespace

Installningar LasInstallningar(const QString& iniPath) {
    Installningar s;
    s.unreadable = unreadableFile(iniPath);
    s.DataFil = readProfileString(iniPath, Section, LastKey, NotCreated);
    s.BatarIMalText = readProfileString(iniPath, Section, BatarIMalKey, NotCreated);
    // An empty text splits into no items at all, as the desk's own split did.
    if (!s.BatarIMalText.isEmpty()) s.BatarIMal = s.BatarIMalText.split(u'*');
    return s;
}

std::optional<RuntimeError> SparaInstallningar(const QString& iniPath, const QString& dataFil,
                                               const QStringList& batarIMal) {
    try {
        saveProfileStrings(iniPath, Section, {{LastKey, dataFil}, {BatarIMalKey, batarIMal.join(u'*')}});
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

QString LasKlubb(const QString& iniPath) {
    return readProfileString(iniPath, QStringLiteral("Brisrundan"), QStringLiteral("Klubb"), QString());
}

void SparaKlubb(const QString& iniPath, const QString& club) {
    saveProfileStrings(iniPath, QStringLiteral("Brisrundan"), {{QStringLiteral("Klubb"), club}});
}

} // namespace race_data
