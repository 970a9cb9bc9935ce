#pragma once
// The private-profile (INI) text format on Windows-1252 bytes, read and edited the way the Windows
// profile functions do it.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <optional>

namespace race_data::ini {

// The value of the first matching key in the first matching section, names compared without regard to
// case, blanks around name and value dropped and one pair of enclosing quotes removed; nothing when the
// section or key is missing or the key line has no "=".
std::optional<QByteArray> findValue(const QByteArray& text, const QByteArray& section, const QByteArray& key);

// The text with each key set: an existing key line is replaced where it stands, a missing key is added
// after the last non-blank line of the section, a missing section is added at the end. Every other line
// is kept as it is; all lines end in CRLF.
QByteArray withValues(const QByteArray& text, const QByteArray& section,
                      const QList<QPair<QByteArray, QByteArray>>& keyValues);

} // namespace race_data::ini
