#include "FileFailure.h"

#include <cerrno>
#include <cstring>

namespace base {

namespace {

// Outside any system error range, so a vanished file never passes for a missing one or the reverse.
constexpr int Vanished = -1;

QString knownReason(int errnoValue) {
    switch (errnoValue) {
    case ENOSPC:
        return QStringLiteral("Disken är full");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Diskkvoten är slut");
#endif
    case EFBIG:
        return QStringLiteral("Filen har nått största tillåtna storlek");
    case EIO:
        return QStringLiteral("Läs- eller skrivfel på disken");
    case EACCES:
    case EPERM:
        return QStringLiteral("Behörighet saknas");
    case EROFS:
        return QStringLiteral("Disken är skrivskyddad");
    case EBUSY:
        return QStringLiteral("Filen används av ett annat program");
    case ENOENT:
    case Vanished:
        return QStringLiteral("Filen finns inte längre");
    case EISDIR:
        return QStringLiteral("Det är en mapp, inte en fil");
    case ENOTDIR:
        return QStringLiteral("Mappen finns inte längre");
    }
    return {};
}

} // namespace

QString fileFailureReason(int errnoValue) {
    const QString known = knownReason(errnoValue);
    if (!known.isEmpty()) return known;
    if (errnoValue == 0) return QStringLiteral("Okänt skrivfel");
    return QStringLiteral("Skrivfel (%1)").arg(QString::fromLocal8Bit(std::strerror(errnoValue)));
}

int runtimeErrorNumberOf(int errnoValue) {
    using namespace runtime_error_numbers;
    switch (errnoValue) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return PathFileAccess;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return DiskFull;
    case ENOENT:
    case ENOTDIR:
    case Vanished:
        return FileNotFound;
    case EBUSY:
        return PermissionDenied;
    }
    return DeviceIO;
}

RuntimeError fileFailure(const QString& path, int errnoValue) {
    return RuntimeError(runtimeErrorNumberOf(errnoValue), path, fileFailureReason(errnoValue));
}

RuntimeError vanishedFile(const QString& path) {
    return fileFailure(path, Vanished);
}

RuntimeError writeProtectedFile(const QString& path) {
    return RuntimeError(runtime_error_numbers::PathFileAccess, path, QStringLiteral("Filen är skrivskyddad"));
}

RuntimeError notARegularFile(const QString& path) {
    return RuntimeError(runtime_error_numbers::PathFileAccess, path, QStringLiteral("Ingen vanlig fil"));
}

QString fileFailureLine(const RuntimeError& error) {
    if (error.path().isEmpty()) return {};
    return QStringLiteral("Fil: %1 – %2").arg(error.path(), error.reason());
}

} // namespace base
