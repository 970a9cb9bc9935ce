#pragma once
// Windows-1252, the code page of record texts, comments and the settings file.
#include <QByteArray>
#include <QString>

namespace cp1252 {
// A character that Windows-1252 lacks becomes "?".
QByteArray encode(const QString& text);
// Every byte decodes; the five bytes Windows-1252 leaves undefined map to the C1 control of that value.
QString decode(const QByteArray& bytes);
} // namespace cp1252
