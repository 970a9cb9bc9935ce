// A race written anew from the records and comments the desk holds in memory.
#include "Cp1252.h"
#include "FileFailure.h"
#include "RaceFiles.h"
#include "SystemFile.h"

#include <QFileInfo>
#include <algorithm>

namespace race_data {

namespace {

// The same rules as opening: a write-protected file stays untouched, a FIFO or folder is never opened.
void createEmptyFile(const QString& path) {
    const sysfile::Kind kind = sysfile::kindAt(path);
    if (kind == sysfile::Kind::Other) throw base::notARegularFile(path);
    if (kind == sysfile::Kind::Regular && !(QFileInfo(path).permissions() & QFileDevice::WriteOwner))
        throw base::writeProtectedFile(path);
    if (const int error = sysfile::createEmpty(path)) throw base::fileFailure(path, error);
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

} // namespace race_data
