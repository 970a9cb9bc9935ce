#pragma once
// The file layer in the terms of the rest of the desk: QString paths and QByteArray contents.
#include "SystemFile.h"

#include <QByteArray>
#include <QString>

namespace race_data::sysfile {

std::string utf8Path(const QString& path);
std::string_view viewOf(const QByteArray& bytes);

std::optional<Identity> identityAt(const QString& path);
Kind kindAt(const QString& path);
bool opensForReading(const QString& path);
std::optional<QByteArray> readRegularFile(const QString& path);
int createEmpty(const QString& path);
int replaceWhole(const QString& path, const QByteArray& bytes);

} // namespace race_data::sysfile
