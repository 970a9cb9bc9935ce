#pragma once
// The open race: the race file of DeltagarPost records and its comment side file.
#include "DeltagarPost.h"

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
// True when the path names a file that can be opened for reading.
bool FilFinns(const QString& path);

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

    // Opens (creating when missing) the race file and its comment file. A file without owner-write
    // permission is opened read-only, and every write to it then throws RuntimeError 75. Throws
    // RuntimeError when a file can neither be opened nor created. Files open before are closed first.
    void open(const QString& dataFil);
    void close();
    bool isOpen() const;
    QString dataFil() const;
    QString kommentarFil() const;

    // All of these throw RuntimeError 52 while the files are closed; a record number below 1 throws 63.
    int recordCount() const;                           // file length / 93, rounded to nearest
    DeltagarPost readRecord(int n) const;              // past the end: an all-zero record
    void writeRecord(int n, const DeltagarPost& post); // past the end extends the file
    std::int32_t commentFileLength() const;
    // Writes the text at the end of the comment file; returns its 1-based position.
    std::int32_t appendComment(const QString& text);
    // Empty when pos < 1, len < 1, or the bytes are not all in the file.
    QString readComment(std::int32_t pos, std::int32_t len) const;
    LoadedRace loadParticipants() const;
    // Flushes both files to the device.
    void sync();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace race_data
