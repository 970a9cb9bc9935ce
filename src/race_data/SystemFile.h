#pragma once
// The few system calls behind the race and settings files, each giving the system's error number (0 on
// success) so that a failure can be told with its real reason. Offsets and lengths are in bytes.
#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace race_data::sysfile {

// Writes every byte at the offset, going on after a short write until the system refuses.
int writeAt(int fd, qint64 offset, const QByteArray& bytes);
// Reads up to length bytes at the offset; fewer at the end of the file.
QByteArray readAt(int fd, qint64 offset, qint64 length);
// Cuts or extends (with zero bytes) the file to the length.
int resize(int fd, qint64 length);
int sync(int fd);
qint64 sizeOf(int fd); // 0 when the system cannot tell

// Which file a descriptor or a path names: the same device and inode is the same file.
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const Identity&) const = default;
};
std::optional<Identity> identityOf(int fd);
std::optional<Identity> identityAt(const QString& path);

enum class Kind { Missing, Regular, Other };
// What the path names, following symbolic links, without opening it.
Kind kindAt(const QString& path);

// True when the path opens for reading as a regular file. The open never waits, so a path swapped for a
// FIFO after a look at its kind still gives false at once.
bool opensForReading(const QString& path);
// The whole file, when the path names a regular file that can be read; a FIFO of that name is never
// opened, since reading one would wait for ever.
std::optional<QByteArray> readRegularFile(const QString& path);
// Creates the file, or cuts an existing one to length 0.
int createEmpty(const QString& path);

// Replaces the file with the bytes through a temporary file in the same folder: written, flushed, renamed
// over the old file (keeping its permissions), and the folder flushed, so that a crash leaves the old file
// or the new one, never a part. On failure the temporary file is removed and the old file is untouched.
int replaceWhole(const QString& path, const QByteArray& bytes);

} // namespace race_data::sysfile
