#include "RaceLock.h"

#include "RaceFiles.h"
#include "RuntimeError.h"

#include <QFileInfo>
#include <QLockFile>

namespace race {

namespace {

// The lock file of a race file: its side file "lock", Höst.lock beside Höst.dat.
QString lockFileName(const QString& dataFil) {
    return race_data::sideFileName(dataFil, QStringLiteral("lock"));
}

} // namespace

RaceLock::RaceLock() = default;
RaceLock::~RaceLock() = default;
RaceLock::RaceLock(RaceLock&&) noexcept = default;
RaceLock& RaceLock::operator=(RaceLock&&) noexcept = default;

RaceLock RaceLock::take(const QString& dataFil) {
    RaceLock taken;
    if (race_data::isWriteProtected(dataFil)) return taken;
    auto lock = std::make_unique<QLockFile>(lockFileName(dataFil));
    // A desk keeps its race open all day: only a lock whose desk no longer runs is stale, never an old one.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        taken.lock_ = std::move(lock);
    } else if (lock->error() == QLockFile::LockFailedError) {
        throw RuntimeError(runtime_error_numbers::PermissionDenied, dataFil,
                           QStringLiteral("Tävlingen är öppen i en annan Brisrundan"));
    }
    return taken;
}

bool RaceLock::holds(const QString& dataFil) const {
    if (!lock_) return false;
    const QString held = QFileInfo(lock_->fileName()).canonicalFilePath();
    return !held.isEmpty() && held == QFileInfo(lockFileName(dataFil)).canonicalFilePath();
}

void RaceLock::release() {
    lock_.reset();
}

} // namespace race
