#pragma once
// The open race: the race file of DeltagarPost records and its comment side file.
#include "DeltagarPost.h"
#include "RuntimeError.h"

#include <QString>
#include <memory>
#include <vector>

namespace race_data {

// A file that travels with a race file: search for "." from position (length - 4), keep the path up to
// and including it and append the extension. Without such a dot, "." and the extension are appended to
// the whole path.
QString sideFileName(const QString& dataFil, const QString& extension);
// The comment file of a race file: its side file "cmt".
QString commentFileName(const QString& dataFil);
// The race name: the last path part without its last 4 characters.
QString raceName(const QString& dataFil);
// True when the path names a regular file that can be opened for reading. A FIFO, device or folder is
// never opened, so the answer comes at once whatever the path names.
bool FilFinns(const QString& path);
// The failure for a path that names no regular file: a folder is told as a folder, a FIFO or device as
// no regular file.
RuntimeError noRegularFile(const QString& path);
// The whole of a file the desk only reads (an entry list, a race to copy). Throws a RuntimeError naming
// the path and the reason; a FIFO, device or folder is refused without being opened.
QByteArray readWholeFile(const QString& path);
// A regular file without its owner-write bit: opened for reading only, even where the process could
// write it, so the shipped example race stays untouched when run as root or administrator.
bool isWriteProtected(const QString& path);

// Called after each comment append and each record write when set; null in the program. A test sets
// one to stop a process between the two writes of a save.
using WriteHook = void (*)();
extern WriteHook afterCommentAppendHook;
extern WriteHook afterRecordWriteHook;

struct LoadedParticipant {
    int recordNumber = 0;
    DeltagarPost post;
};

struct LoadedRace {
    std::vector<LoadedParticipant> live; // in record order
    double lastStartTid = 0.0;           // StartTid of the last record of the file, live or deleted
};

class RaceFiles {
public:
    RaceFiles();
    ~RaceFiles();
    RaceFiles(const RaceFiles&) = delete;
    RaceFiles& operator=(const RaceFiles&) = delete;
    // A race opened aside takes the place of the one open before, which is closed then.
    RaceFiles(RaceFiles&&) noexcept;
    RaceFiles& operator=(RaceFiles&&) noexcept;

    // Opens (creating when missing) the race file and its comment file. A file without owner-write
    // permission is opened read-only, and every write to it then throws RuntimeError 75. Throws
    // RuntimeError when a file can neither be opened nor created, or when the path names a FIFO, device
    // or folder. Files open before are closed first.
    void open(const QString& dataFil);
    // Opens the pair for reading only, as an export reads a race: nothing is created, locked or
    // written, and a missing comment file reads as empty. Throws RuntimeError as open does.
    void openForReading(const QString& dataFil);
    void close();
    bool isOpen() const;
    QString dataFil() const;
    QString kommentarFil() const;

    // The path of the first of the two open files that is no longer the file at its path (deleted,
    // renamed, replaced, or its folder moved); empty while both are in place or the files are closed.
    QString vanishedFile() const;
    bool stillAtPath() const; // vanishedFile() is empty

    // All of these throw RuntimeError 52 while the files are closed; a record number below 1 throws 63.
    // A failing write throws a RuntimeError that names the file and the system's reason (base::fileFailure)
    // and leaves the file as it was; so does a write while either file has vanished from its path.
    int recordCount() const;                           // file length / 93, rounded to nearest
    DeltagarPost readRecord(int n) const;              // past the end: an all-zero record
    void writeRecord(int n, const DeltagarPost& post); // past the end extends the file
    std::int32_t commentFileLength() const;
    // Writes the text at the end of the comment file; returns its 1-based position. Saving a participant
    // appends its comment first and then writes the record that points at it, so that a record never
    // points at bytes a later comment could fill.
    std::int32_t appendComment(const QString& text);
    // Empty when pos < 1, len < 1, or the bytes are not all in the file.
    QString readComment(std::int32_t pos, std::int32_t len) const;
    LoadedRace loadParticipants() const;
    // Flushes both files to the device; throws a RuntimeError naming the file that could not be flushed.
    void sync();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A participant as the desk holds it in memory, for writing a race anew.
struct HeldRecord {
    int recordNumber = 0;
    DeltagarPost post; // KommentarPos and KommentarLen are set by the write
    QString comment;
};

// Writes a race anew at dataFil from what the desk holds, for "Spara Som" of a race whose files have
// vanished: both files are created empty (an existing pair is replaced), every record is written at its
// own number (deleted ones too) after its comment is appended, in record order, and both files are
// flushed. Throws a RuntimeError naming the file and the reason when a file cannot be written.
void writeRaceAnew(const QString& dataFil, std::vector<HeldRecord> records);
// Copies the race file pair to copyFil and its comment file, each copy replaced whole and flushed, and
// writable. Throws a RuntimeError naming the file and the reason.
void copyRace(const QString& dataFil, const QString& copyFil);
// Throws when a file of the race may not be replaced: the same rules as opening (a write-protected file
// stays untouched, a FIFO or folder is never opened).
void requireReplaceable(const QString& path);
// True when both paths name the same file (through links, or as the same path while it does not exist).
bool sameFile(const QString& a, const QString& b);

} // namespace race_data
