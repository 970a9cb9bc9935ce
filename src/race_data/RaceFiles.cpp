#include "RaceFiles.h"

#include "Cp1252.h"
#include "FileFailure.h"
#include "HeldFiles.h"
#include "RuntimeError.h"
#include "SystemFileQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <limits>

namespace race_data {

WriteHook afterCommentAppendHook = nullptr;
WriteHook afterRecordWriteHook = nullptr;

namespace {

constexpr int BadRecordNumber = 63;
constexpr qint64 MaxPosition = std::numeric_limits<std::int32_t>::max();

// One file of the pair, kept open between calls so that a save costs no open and close. Reads and writes
// go through the file layer at explicit offsets, so every failure comes back with the system's reason.
struct RaceFile {
    std::shared_ptr<HeldFile> held;
    QString name;

    void open(const QString& path) {
        held = holdFile(path);
        name = path;
    }
    // Nothing is created, locked or written; a file that may be missing and is reads as empty.
    void openForReading(const QString& path, bool mayBeMissing) {
        const sysfile::Kind kind = sysfile::kindAt(path);
        if (kind == sysfile::Kind::Other) throw base::notARegularFile(path);
        auto reading = std::make_shared<HeldFile>();
        reading->readOnly = true;
        if (kind == sysfile::Kind::Regular || !mayBeMissing) {
            if (const int error = reading->file.open(sysfile::utf8Path(path), sysfile::Access::Read))
                throw base::fileFailure(path, error);
            reading->identity = reading->file.identity().value_or(sysfile::Identity{});
        }
        held = std::move(reading);
        name = path;
    }
    void close() { held.reset(); }
    bool isOpen() const { return held != nullptr; }

    const QString& path() const { return name; }
    sysfile::File& file() const { return held->file; }
    qint64 size() const { return file().isOpen() ? file().size() : 0; }

    QByteArray read(qint64 offset, qint64 length) const {
        if (!file().isOpen()) return {};
        return QByteArray::fromStdString(file().readAt(offset, length));
    }

    bool stillAtPath() const { return sysfile::identityAt(path()) == held->identity; }

    void requireWritable() const {
        if (held->refusal) throw base::fileFailure(path(), held->refusal);
        if (held->readOnly) throw base::writeProtectedFile(path());
    }

    void write(qint64 offset, const QByteArray& bytes) {
        if (const int error = file().writeWholeAt(offset, sysfile::viewOf(bytes)))
            throw base::fileFailure(path(), error);
    }

    void sync() {
        if (!isOpen() || held->readOnly) return;
        if (const int error = file().sync()) throw base::fileFailure(path(), error);
    }
};

qint64 recordOffset(int n) {
    if (n < 1) throw RuntimeError(BadRecordNumber);
    return qint64(n - 1) * RecordLength;
}

} // namespace

bool isWriteProtected(const QString& path) {
    return sysfile::kindAt(path) == sysfile::Kind::Regular &&
           !(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
}

struct RaceFiles::Impl {
    QString dataFil;
    QString kommentarFil;
    RaceFile dat;
    RaceFile cmt;

    void requireOpen() const {
        if (!dat.isOpen()) throw RuntimeError(runtime_error_numbers::BadFileNumber);
    }

    // A write goes on only while both files are still the ones at their paths: once either has been
    // deleted, renamed or replaced, nothing more is written into a file that nobody will open again.
    void requireWritable(const RaceFile& target) const {
        requireOpen();
        target.requireWritable();
        for (const RaceFile* f : {&dat, &cmt})
            if (!f->stillAtPath()) throw base::vanishedFile(f->path());
    }
};

RaceFiles::RaceFiles() : d(std::make_unique<Impl>()) {}
RaceFiles::~RaceFiles() = default;
RaceFiles::RaceFiles(RaceFiles&&) noexcept = default;
RaceFiles& RaceFiles::operator=(RaceFiles&&) noexcept = default;

void RaceFiles::open(const QString& dataFil) {
    close();
    const QString kommentarFil = commentFileName(dataFil);
    d->dat.open(dataFil);
    try {
        d->cmt.open(kommentarFil);
    } catch (...) {
        d->dat.close();
        throw;
    }
    d->dataFil = dataFil;
    d->kommentarFil = kommentarFil;
}

void RaceFiles::openForReading(const QString& dataFil) {
    close();
    const QString kommentarFil = commentFileName(dataFil);
    d->dat.openForReading(dataFil, false);
    d->cmt.openForReading(kommentarFil, true);
    d->dataFil = dataFil;
    d->kommentarFil = kommentarFil;
}

void RaceFiles::close() {
    d->dat.close();
    d->cmt.close();
}

bool RaceFiles::isOpen() const {
    return d->dat.isOpen();
}
QString RaceFiles::dataFil() const {
    return d->dataFil;
}
QString RaceFiles::kommentarFil() const {
    return d->kommentarFil;
}

QString RaceFiles::vanishedFile() const {
    if (!isOpen()) return {};
    for (const RaceFile* f : {&d->dat, &d->cmt})
        if (!f->stillAtPath()) return f->path();
    return {};
}

bool RaceFiles::stillAtPath() const {
    return vanishedFile().isEmpty();
}

int RaceFiles::recordCount() const {
    d->requireOpen();
    const qint64 count = (d->dat.size() + RecordLength / 2) / RecordLength;
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

DeltagarPost RaceFiles::readRecord(int n) const {
    d->requireOpen();
    return decodeRecord(d->dat.read(recordOffset(n), RecordLength));
}

void RaceFiles::writeRecord(int n, const DeltagarPost& post) {
    d->requireWritable(d->dat);
    d->dat.write(recordOffset(n), encodeRecord(post));
    if (afterRecordWriteHook) afterRecordWriteHook();
}

std::int32_t RaceFiles::commentFileLength() const {
    d->requireOpen();
    return std::int32_t(std::min(d->cmt.size(), MaxPosition));
}

std::int32_t RaceFiles::appendComment(const QString& text) {
    d->requireWritable(d->cmt);
    const qint64 end = d->cmt.size();
    if (end >= MaxPosition) throw RuntimeError(BadRecordNumber);
    const QByteArray bytes = cp1252::encode(text);
    if (!bytes.isEmpty()) d->cmt.write(end, bytes);
    if (afterCommentAppendHook) afterCommentAppendHook();
    return std::int32_t(end + 1);
}

QString RaceFiles::readComment(std::int32_t pos, std::int32_t len) const {
    d->requireOpen();
    if (pos < 1 || len < 1 || qint64(pos) - 1 + len > d->cmt.size()) return {};
    const QByteArray bytes = d->cmt.read(qint64(pos) - 1, len);
    return bytes.size() == len ? cp1252::decode(bytes) : QString();
}

LoadedRace RaceFiles::loadParticipants() const {
    LoadedRace race;
    const int n = recordCount();
    DeltagarPost post;
    for (int i = 1; i <= n; ++i) {
        post = readRecord(i);
        if (post.Borttagen == 0) race.live.push_back({i, post});
    }
    race.lastStartTid = post.StartTid;
    return race;
}

void RaceFiles::sync() {
    d->requireOpen();
    d->dat.sync();
    d->cmt.sync();
}

} // namespace race_data
