// The names that follow from a race file's path.
#include "RaceFiles.h"

#include "FileFailure.h"
#include "SystemFileQt.h"

#include <QFileInfo>
#include <cerrno>

namespace race_data {

QString sideFileName(const QString& dataFil, const QString& extension) {
    // The search starts at character (length - 4), counted from 1, and runs forward; a short path
    // starts at its first character.
    const qsizetype from = std::max<qsizetype>(dataFil.size() - 5, 0);
    const qsizetype dot = dataFil.indexOf(u'.', from);
    if (dot < 0) return dataFil + QLatin1Char('.') + extension;
    return dataFil.left(dot + 1) + extension;
}

QString commentFileName(const QString& dataFil) {
    return sideFileName(dataFil, QStringLiteral("cmt"));
}

QString raceName(const QString& dataFil) {
#ifdef Q_OS_WIN
    const qsizetype slash = std::max(dataFil.lastIndexOf(u'\\'), dataFil.lastIndexOf(u'/'));
#else
    const qsizetype slash = dataFil.lastIndexOf(u'/');
#endif
    QString name = dataFil.mid(slash + 1);
    name.chop(4);
    return name;
}

// The kind is looked at before anything is opened: opening a FIFO for reading waits for a writer.
bool FilFinns(const QString& path) {
    return sysfile::kindAt(path) == sysfile::Kind::Regular && sysfile::opensForReading(path);
}

RuntimeError noRegularFile(const QString& path) {
    return QFileInfo(path).isDir() ? base::fileFailure(path, EISDIR) : base::notARegularFile(path);
}

QByteArray readWholeFile(const QString& path) {
    const sysfile::Kind kind = sysfile::kindAt(path);
    if (kind == sysfile::Kind::Other) throw noRegularFile(path);
    if (kind == sysfile::Kind::Missing) throw base::fileFailure(path, ENOENT);
    std::optional<QByteArray> bytes = sysfile::readRegularFile(path);
    if (!bytes) throw base::fileFailure(path, EACCES);
    return std::move(*bytes);
}

} // namespace race_data
