#pragma once
// The few system calls behind the race and settings files, one implementation per operating system
// (SystemFile_posix.cpp, SystemFile_win32.cpp), neither of them using Qt. Paths are UTF-8; offsets and
// lengths are in bytes. Each failing call gives an errno number (0 on success), also on Windows, so that
// the desk tells one reason for one fault whatever the system: ENOSPC or EFBIG for a full disk, EACCES for
// a refused or write-protected file, EBUSY for a file another program holds, ENOENT or ENOTDIR for a file
// or folder that is gone.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace race_data::sysfile {

// Which file a handle or a path names: the same volume and file number is the same file.
struct Identity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const Identity&) const = default;
};

// ReadWrite opens a regular file, creating it when missing; Read opens an existing one. A file without
// its owner-write permission (read-only on Windows) is refused for writing with EACCES even where the
// process could write it. One handle at a time may write a file, any number may read it beside: a second
// ReadWrite open, also from another program, is refused with EBUSY (Windows' sharing modes; on POSIX an
// exclusive advisory lock, which only programs that lock heed).
enum class Access { Read, ReadWrite };

// One open file, closed when the object goes.
class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    int open(const std::string& path, Access access); // closes any file open before
    bool isOpen() const;
    void close();

    // Writes every byte at the offset, going on after a short write until the system refuses.
    int writeAt(std::int64_t offset, std::string_view bytes);
    // Writes every byte at the offset or none: after a failure the bytes the write covered are put back
    // and a file the write extended is cut back to its old length. A gap before the offset is filled
    // with zero bytes.
    int writeWholeAt(std::int64_t offset, std::string_view bytes);
    // Reads up to length bytes at the offset; fewer at the end of the file.
    std::string readAt(std::int64_t offset, std::int64_t length) const;
    // Cuts or extends (with zero bytes) the file to the length.
    int resize(std::int64_t length);
    // Pushes what was written through the system's cache onto the device.
    int sync();
    std::int64_t size() const; // 0 when the system cannot tell
    std::optional<Identity> identity() const;

private:
    // A POSIX descriptor or a Windows handle; neither system ever gives -1 for an open file.
    static constexpr std::intptr_t NoHandle = -1;
    std::intptr_t handle_ = NoHandle;
};

std::optional<Identity> identityAt(const std::string& path);

enum class Kind { Missing, Regular, Other };
// What the path names, following symbolic links, without opening it.
Kind kindAt(const std::string& path);

// True when the path opens for reading as a regular file. The open never waits, so a path swapped for a
// FIFO after a look at its kind still gives false at once.
bool opensForReading(const std::string& path);
// The whole file, when the path names a regular file that can be read; a FIFO of that name is never
// opened, since reading one would wait for ever.
std::optional<std::string> readRegularFile(const std::string& path);
// Creates the file, or cuts an existing one to length 0.
int createEmpty(const std::string& path);

// Replaces the file with the bytes through a temporary file in the same folder: written, flushed, moved
// over the old file (keeping its permission bits where the system has them) and the move itself flushed, so
// that a crash leaves the old file or the new one, never a part. A write-protected old file is refused with
// EACCES. On failure the temporary file is removed and the old file is untouched.
int replaceWhole(const std::string& path, std::string_view bytes);

// Flushes a file that the C library opened (a descriptor, as Qt's file classes hand out) to the device.
int syncDescriptor(int descriptor);

} // namespace race_data::sysfile
