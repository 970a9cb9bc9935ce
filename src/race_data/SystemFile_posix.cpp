#include "SystemFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace race_data::sysfile {

namespace {

int fdOf(std::intptr_t handle) {
    return int(handle);
}

// Only a regular file is the desk's. For writing, the owner-write bit decides, not whether this process
// could write: root too leaves a read-only file be.
int refuseUnfit(int fd, Access access) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EISDIR;
    return access == Access::Read || st.st_mode & S_IWUSR ? 0 : EACCES;
}

// One writer at a time, as Windows' sharing modes have it; readers take no lock. Where the file system
// keeps no locks (some network shares) the file is written unlocked, as before locks.
int lockForWriting(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) return EBUSY;
        if (errno != EINTR) return 0;
    }
    return 0;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Some file systems cannot flush a folder and say so with EINVAL; the rename stands there all the same.
int syncFolderOf(const std::string& path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int result = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return result;
}

int writeAll(int fd, std::int64_t offset, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        done += std::size_t(n);
    }
    return 0;
}

std::string readUpTo(int fd, std::int64_t offset, std::int64_t length) {
    std::string bytes(std::size_t(std::max<std::int64_t>(length, 0)), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += std::size_t(n);
    }
    bytes.resize(done);
    return bytes;
}

int writeAndSync(int fd, std::string_view bytes, const std::string& oldPath) {
    struct stat old {};
    if (::stat(oldPath.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) return errno;
    if (const int error = writeAll(fd, 0, bytes)) return error;
    return syncDescriptor(fd);
}

} // namespace

int File::open(const std::string& path, Access access) {
    close();
    const int flags = access == Access::ReadWrite ? O_RDWR | O_CREAT : O_RDONLY | O_NONBLOCK;
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int error = refuseUnfit(fd, access);
    if (!error && access == Access::ReadWrite) error = lockForWriting(fd);
    if (error) {
        ::close(fd);
        return error;
    }
    handle_ = fd;
    return 0;
}

void File::close() {
    if (isOpen()) ::close(fdOf(handle_));
    handle_ = NoHandle;
}

int File::writeAt(std::int64_t offset, std::string_view bytes) {
    return writeAll(fdOf(handle_), offset, bytes);
}

std::string File::readAt(std::int64_t offset, std::int64_t length) const {
    return readUpTo(fdOf(handle_), offset, length);
}

int File::resize(std::int64_t length) {
    while (::ftruncate(fdOf(handle_), off_t(length)) != 0)
        if (errno != EINTR) return errno;
    return 0;
}

int File::sync() {
    return syncDescriptor(fdOf(handle_));
}

std::int64_t File::size() const {
    struct stat st {};
    return ::fstat(fdOf(handle_), &st) == 0 ? std::int64_t(st.st_size) : 0;
}

std::optional<Identity> File::identity() const {
    struct stat st {};
    if (::fstat(fdOf(handle_), &st) != 0) return std::nullopt;
    return Identity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

std::optional<Identity> identityAt(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    return Identity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

Kind kindAt(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return Kind::Missing;
    return S_ISREG(st.st_mode) ? Kind::Regular : Kind::Other;
}

bool opensForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

std::optional<std::string> readRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) bytes = readUpTo(fd, 0, st.st_size);
    ::close(fd);
    return bytes;
}

int createEmpty(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

int replaceWhole(const std::string& path, std::string_view bytes) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && !(old.st_mode & S_IWUSR)) return EACCES;
    // A short name of its own, so that a file whose name is near the system's limit is replaced too.
    const std::string temporary = folderOf(path) + "/~brisrundan" + std::to_string(::getpid()) + ".tmp";
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int error = writeAndSync(fd, bytes, path);
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    return syncFolderOf(path);
}

int syncDescriptor(int descriptor) {
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

} // namespace race_data::sysfile
