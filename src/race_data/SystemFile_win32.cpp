#include "SystemFile.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cerrno>
#include <io.h>

namespace race_data::sysfile {

namespace {

// Windows' reasons in the desk's terms, so that a full disk or a file held by another program reads the
// same on every system.
int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DELETE_PENDING:
    case ERROR_NETNAME_DELETED:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    }
    return EIO;
}

int lastError() {
    return errnoOf(GetLastError());
}

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// UTF-16 for the wide API, made absolute and prefixed with \\?\ so that a path longer than 260
// characters opens too; such a path takes no '/', no '.' or '..' parts, which GetFullPathNameW resolves.
std::wstring widePath(const std::string& path) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), nullptr, 0);
    std::wstring wide(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), wide.data(), n);
    if (wide.empty() || wide.starts_with(LR"(\\?\)") || wide.starts_with(LR"(\\.\)")) return wide;
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return wide;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), length, full.data(), nullptr));
    if (full.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + full.substr(2);
    return LR"(\\?\)" + full;
}

OVERLAPPED at(std::int64_t offset) {
    OVERLAPPED where{};
    where.Offset = DWORD(std::uint64_t(offset) & 0xFFFFFFFFu);
    where.OffsetHigh = DWORD(std::uint64_t(offset) >> 32);
    return where;
}

int writeAll(HANDLE file, std::int64_t offset, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED where = at(offset + std::int64_t(done));
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, &where)) return lastError();
        if (written == 0) return ENOSPC;
        done += written;
    }
    return 0;
}

std::string readUpTo(HANDLE file, std::int64_t offset, std::int64_t length) {
    std::string bytes(std::size_t(std::max<std::int64_t>(length, 0)), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED where = at(offset + std::int64_t(done));
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + done, chunk, &read, &where) || read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

std::optional<BY_HANDLE_FILE_INFORMATION> informationOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return std::nullopt;
    return info;
}

std::optional<Identity> identityOf(HANDLE file) {
    const std::optional<BY_HANDLE_FILE_INFORMATION> info = informationOf(file);
    if (!info) return std::nullopt;
    return Identity{info->dwVolumeSerialNumber,
                    std::uint64_t(info->nFileIndexHigh) << 32 | info->nFileIndexLow};
}

// A handle that asks for no access at all, for looking at a file that another program may hold.
HANDLE openForLooking(const std::string& path) {
    return CreateFileW(widePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

HANDLE openToRead(const std::string& path) {
    return CreateFileW(widePath(path).c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool isRegular(HANDLE file) {
    const std::optional<BY_HANDLE_FILE_INFORMATION> info = informationOf(file);
    return GetFileType(file) == FILE_TYPE_DISK && info &&
           !(info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Only a regular file is the desk's. Windows itself refuses to write a read-only file, even to an
// administrator; Wine run as root does not, so the attribute is looked at here too.
int refuseUnfit(HANDLE file, Access access) {
    if (!isRegular(file)) return EISDIR;
    const std::optional<BY_HANDLE_FILE_INFORMATION> info = informationOf(file);
    const bool readOnly = info && (info->dwFileAttributes & FILE_ATTRIBUTE_READONLY);
    return access == Access::ReadWrite && readOnly ? EACCES : 0;
}

std::int64_t sizeOf(HANDLE file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? std::int64_t(size.QuadPart) : 0;
}

int writeAndSync(HANDLE file, std::string_view bytes) {
    if (const int error = writeAll(file, 0, bytes)) return error;
    return FlushFileBuffers(file) ? 0 : lastError();
}

} // namespace

int File::open(const std::string& path, Access access) {
    close();
    const bool write = access == Access::ReadWrite;
    // While the desk writes a file, others may read it, never write, rename or delete it; a reader lets
    // one writer be.
    const DWORD sharing = write ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE file =
        CreateFileW(widePath(path).c_str(), write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ, sharing,
                    nullptr, write ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // Windows refuses to open a folder as a file with "access denied"; POSIX says what it is.
        const int error = lastError();
        return error == EACCES && kindAt(path) == Kind::Other ? EISDIR : error;
    }
    const int unfit = refuseUnfit(file, access);
    if (unfit) {
        CloseHandle(file);
        return unfit;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return 0;
}

void File::close() {
    if (isOpen()) CloseHandle(handleOf(handle_));
    handle_ = NoHandle;
}

int File::writeAt(std::int64_t offset, std::string_view bytes) {
    return writeAll(handleOf(handle_), offset, bytes);
}

std::string File::readAt(std::int64_t offset, std::int64_t length) const {
    return readUpTo(handleOf(handle_), offset, length);
}

int File::resize(std::int64_t length) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = length;
    return SetFileInformationByHandle(handleOf(handle_), FileEndOfFileInfo, &end, sizeof end) ? 0
                                                                                              : lastError();
}

int File::sync() {
    return FlushFileBuffers(handleOf(handle_)) ? 0 : lastError();
}

std::int64_t File::size() const {
    return sizeOf(handleOf(handle_));
}

std::optional<Identity> File::identity() const {
    return identityOf(handleOf(handle_));
}

std::optional<Identity> identityAt(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const HANDLE looking = openForLooking(path);
    if (looking == INVALID_HANDLE_VALUE) return std::nullopt;
    const std::optional<Identity> identity = identityOf(looking);
    CloseHandle(looking);
    return identity;
}

Kind kindAt(const std::string& path) {
    if (path.empty()) return Kind::Missing;
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Kind::Missing;
    return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE) ? Kind::Other : Kind::Regular;
}

bool opensForReading(const std::string& path) {
    const HANDLE file = openToRead(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool regular = isRegular(file);
    CloseHandle(file);
    return regular;
}

std::optional<std::string> readRegularFile(const std::string& path) {
    const HANDLE file = openToRead(path);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> bytes;
    if (isRegular(file)) bytes = readUpTo(file, 0, sizeOf(file));
    CloseHandle(file);
    return bytes;
}

int createEmpty(const std::string& path) {
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    CloseHandle(file);
    return 0;
}

int replaceWhole(const std::string& path, std::string_view bytes) {
    const std::wstring target = widePath(path);
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY)) return EACCES;
    // A short name of its own, so that a file whose name is near the system's limit is replaced too.
    const std::wstring temporary = target.substr(0, target.find_last_of(L'\\') + 1) + L"~brisrundan" +
                                   std::to_wstring(GetCurrentProcessId()) + L".tmp";
    DeleteFileW(temporary.c_str());
    const HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    int error = writeAndSync(file, bytes);
    if (!CloseHandle(file) && !error) error = lastError();
    // Write-through: the move is on the disk when the call returns, as a flushed folder is elsewhere.
    if (!error &&
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = lastError();
    if (error) DeleteFileW(temporary.c_str());
    return error;
}

int syncDescriptor(int descriptor) {
    const intptr_t handle = _get_osfhandle(descriptor);
    if (handle == -1) return EBADF;
    return FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) ? 0 : lastError();
}

} // namespace race_data::sysfile
