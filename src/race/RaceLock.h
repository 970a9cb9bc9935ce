#pragma once
// One desk per race: while a desk has a race open it holds a lock file beside the race file, and
// another desk that would open the race is refused. A lock left by a desk that no longer runs (a
// crash, a power cut) is taken over.
#include <QString>
#include <memory>

class QLockFile;

namespace race {

class RaceLock {
public:
    RaceLock();
    ~RaceLock();
    RaceLock(RaceLock&&) noexcept;
    RaceLock& operator=(RaceLock&&) noexcept;

    // The lock of a race file; throws RuntimeError PermissionDenied, naming the race file, while another
    // running desk holds it. A write-protected race needs none (nothing can be written into it, so any
    // number of desks may show it), and a folder where no lock file can be made does not keep a race
    // from the desk: both give an empty lock.
    static RaceLock take(const QString& dataFil);
    // True when this is the lock of that race file.
    bool holds(const QString& dataFil) const;
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace race
