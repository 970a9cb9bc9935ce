#pragma once
// The settings file Vindo.ini: section Brisrundan, keys "Last" and "Båtar i Mål".
#include "RuntimeError.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace race_data {

// Reads and writes one key of an INI file the way the Windows private-profile functions do: section
// and key names without regard to case, a missing key gives the default, at most 254 characters of a
// value returned. Writing keeps every other section and key, writes Windows-1252 with CRLF line ends,
// and replaces the file through a temporary file in the same folder (flushed to the device first, the
// folder flushed after the rename). saveProfileStrings throws a RuntimeError naming the file and the
// reason when the file is write-protected, is a folder, or cannot be replaced; writeProfileStrings says
// only whether it worked.
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue);
void saveProfileStrings(const QString& path, const QString& section,
                        const QList<QPair<QString, QString>>& keyValues);
bool writeProfileStrings(const QString& path, const QString& section,
                         const QList<QPair<QString, QString>>& keyValues);

struct Installningar {
    QString DataFil;
    QString BatarIMalText;
    QStringList BatarIMal;
    // A settings file that is there but cannot be read (a folder, a FIFO, no permission to read), named
    // with the reason; the values above are then the defaults.
    std::optional<RuntimeError> unreadable;
};

QString settingsPath(const QString& appPath); // appPath + separator + "Vindo.ini"
// Never fails. An empty "Båtar i Mål" value gives no flags at all; "NC" gives the one item "NC".
Installningar LasInstallningar(const QString& iniPath);
// Writes "Last" = dataFil and "Båtar i Mål" = the flags joined by "*". Never throws: a failure comes back
// as the RuntimeError that names the settings file and the reason, for the desk to tell.
std::optional<RuntimeError> SparaInstallningar(const QString& iniPath, const QString& dataFil,
                                               const QStringList& batarIMal);

// The club's name the officer typed last, the default for races without one of their own ("Klubb";
// empty when none). Saving throws as saveProfileStrings does.
QString LasKlubb(const QString& iniPath);
void SparaKlubb(const QString& iniPath, const QString& club);

} // namespace race_data
