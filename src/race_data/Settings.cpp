#include "Settings.h"

#include "Cp1252.h"
#include "FileSync.h"
#include "IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace race_data {

namespace {

const QString Section = QStringLiteral("Brisrundan");
const QString LastKey = QStringLiteral("Last");
const QString BatarIMalKey = QStringLiteral("Båtar i Mål");
const QString NotCreated = QStringLiteral("NC");

// The value buffer of the profile functions holds 255 characters including the terminating NUL.
constexpr qsizetype MaxValueLength = 254;

std::optional<QByteArray> readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

} // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue) {
    const std::optional<QByteArray> text = readWhole(path);
    const std::optional<QByteArray> value =
        text ? ini::findValue(*text, cp1252::encode(section), cp1252::encode(key)) : std::nullopt;
    if (!value) return defaultValue.left(MaxValueLength);
    return cp1252::decode(value->left(MaxValueLength));
}

bool writeProfileStrings(const QString& path, const QString& section,
                         const QList<QPair<QString, QString>>& keyValues) {
    // A settings file without its owner-write bit is left alone, as Windows leaves a read-only file.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !(info.permissions() & QFileDevice::WriteOwner))) return false;
    const std::optional<QByteArray> old = info.exists() ? readWhole(path) : QByteArray();
    if (!old) return false;

    QList<QPair<QByteArray, QByteArray>> encoded;
    for (const auto& [key, value] : keyValues)
        encoded.append({cp1252::encode(key), cp1252::encode(value)});
    const QByteArray text = ini::withValues(*old, cp1252::encode(section), encoded);

    // Written whole beside the old file and renamed over it, so that a crash leaves one or the other.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text) != text.size() || !syncToDevice(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString settingsPath(const QString& appPath) {
    return appPath + QDir::separator() + QStringLiteral("Vindo.ini");
}

Installningar LasInstallningar(const QString& iniPath) {
    Installningar s;
    s.DataFil = readProfileString(iniPath, Section, LastKey, NotCreated);
    s.BatarIMalText = readProfileString(iniPath, Section, BatarIMalKey, NotCreated);
    // An empty text splits into no items at all, as the desk's own split did.
    if (!s.BatarIMalText.isEmpty()) s.BatarIMal = s.BatarIMalText.split(u'*');
    return s;
}

void SparaInstallningar(const QString& iniPath, const QString& dataFil, const QStringList& batarIMal) {
    writeProfileStrings(iniPath, Section, {{LastKey, dataFil}, {BatarIMalKey, batarIMal.join(u'*')}});
}

} // namespace race_data
