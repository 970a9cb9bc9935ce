// A race written to another place: anew from what the desk holds in memory, or copied from its files.
#include "Cp1252.h"
#include "FileFailure.h"
#include "RaceFiles.h"
#include "SystemFileQt.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace race_data {

void requireReplaceable(const QString& path) {
    const sysfile::Kind kind = sysfile::kindAt(path);
    if (kind == sysfile::Kind::Other) throw base::notARegularFile(path);
    if (kind == sysfile::Kind::Regular && !(QFileInfo(path).permissions() & QFileDevice::WriteOwner))
        throw base::writeProtectedFile(path);
}

namespace {

void createEmptyFile(const QString& path) {
    requireReplaceable(path);
    if (const int error = sysfile::createEmpty(path)) throw base::fileFailure(path, error);
}

// The copy is writable whatever the original was: a copy of the read-only example race is raced in.
void copyWhole(const QString& from, const QString& to) {
    requireReplaceable(to);
    if (const int error = sysfile::replaceWhole(to, readWholeFile(from))) throw base::fileFailure(to, error);
}

} // namespace

void writeRaceAnew(const QString& dataFil, std::vector<HeldRecord> records) {
    std::stable_sort(records.begin(), records.end(), [](const HeldRecord& a, const HeldRecord& b) {
        return a.recordNumber < b.recordNumber;
    });
    createEmptyFile(dataFil);
    createEmptyFile(commentFileName(dataFil));
    RaceFiles files;
    files.open(dataFil);
    for (HeldRecord& r : records) {
        r.post.KommentarPos = files.appendComment(r.comment);
        r.post.KommentarLen = std::int32_t(cp1252::encode(r.comment).size());
        files.writeRecord(r.recordNumber, r.post);
    }
    files.sync();
}

void copyRace(const QString& dataFil, const QString& copyFil) {
    copyWhole(dataFil, copyFil);
    copyWhole(commentFileName(dataFil), commentFileName(copyFil));
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo x(a), y(b);
    return x.exists() && y.exists() ? x.canonicalFilePath() == y.canonicalFilePath()
                                    : x.absoluteFilePath() == y.absoluteFilePath();
}

} // namespace race_data
