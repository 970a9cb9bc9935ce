#include "RaceFiles.h"

#include "Cp1252.h"
#include "FileSync.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

namespace race_data {

namespace {

constexpr int BadRecordNumber = 63;
constexpr qint64 MaxPosition = std::numeric_limits<std::int32_t>::max();

// One file of the pair, kept open between calls so that a save costs no open and close.
struct RaceFile {
    mutable QFile file;
    bool readOnly = false;

    // A file without its owner-write bit is treated as read-only even where the process could write it,
    // so the shipped example race stays untouched when run as root or administrator.
    void open(const QString& path) {
        file.setFileName(path);
        const QFileInfo info(path);
        readOnly = info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
        if (!readOnly && file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return;
        if (info.exists() && file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            readOnly = true;
            return;
        }
        const bool folderMissing = !info.absoluteDir().exists();
        throw RuntimeError(folderMissing ? runtime_error_numbers::FileNotFound
                                         : runtime_error_numbers::PathFileAccess,
                           "cannot open " + path.toStdString());
    }

    qint64 size() const { return file.size(); }

    QByteArray read(qint64 offset, qint64 length) const {
        if (offset >= file.size() || !file.seek(offset)) return {};
        return file.read(length);
    }

    void write(qint64 offset, const QByteArray& bytes) {
        if (readOnly) throw RuntimeError(runtime_error_numbers::PathFileAccess);
        // Qt leaves the bytes of a gap undefined after a seek past the end; resize fills them with zeros.
        const bool gapFilled = offset <= file.size() || file.resize(offset);
        if (!gapFilled || !file.seek(offset) || file.write(bytes) != bytes.size())
            throw RuntimeError(runtime_error_numbers::DeviceIO,
                               "cannot write " + file.fileName().toStdString());
    }

    void sync() {
        if (file.isOpen() && !readOnly && !syncToDevice(file))
            throw RuntimeError(runtime_error_numbers::DeviceIO,
                               "cannot sync " + file.fileName().toStdString());
    }
};

qint64 recordOffset(int n) {
    if (n < 1) throw RuntimeError(BadRecordNumber);
    return qint64(n - 1) * RecordLength;
}

} // namespace

struct RaceFiles::Impl {
    QString dataFil;
    QString kommentarFil;
    RaceFile dat;
    RaceFile cmt;

    void requireOpen() const {
        if (!dat.file.isOpen()) throw RuntimeError(runtime_error_numbers::BadFileNumber);
    }
};

RaceFiles::RaceFiles() : d(std::make_unique<Impl>()) {}
RaceFiles::~RaceFiles() = default;

void RaceFiles::open(const QString& dataFil) {
    close();
    const QString kommentarFil = commentFileName(dataFil);
    d->dat.open(dataFil);
    try {
        d->cmt.open(kommentarFil);
    } catch (...) {
        d->dat.file.close();
        throw;
    }
    d->dataFil = dataFil;
    d->kommentarFil = kommentarFil;
}

void RaceFiles::close() {
    d->dat.file.close();
    d->cmt.file.close();
}

bool RaceFiles::isOpen() const {
    return d->dat.file.isOpen();
}
QString RaceFiles::dataFil() const {
    return d->dataFil;
}
QString RaceFiles::kommentarFil() const {
    return d->kommentarFil;
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
    d->requireOpen();
    d->dat.write(recordOffset(n), encodeRecord(post));
}

std::int32_t RaceFiles::commentFileLength() const {
    d->requireOpen();
    return std::int32_t(std::min(d->cmt.size(), MaxPosition));
}

std::int32_t RaceFiles::appendComment(const QString& text) {
    d->requireOpen();
    if (d->cmt.readOnly) throw RuntimeError(runtime_error_numbers::PathFileAccess);
    const qint64 end = d->cmt.size();
    if (end >= MaxPosition) throw RuntimeError(BadRecordNumber);
    const QByteArray bytes = cp1252::encode(text);
    if (!bytes.isEmpty()) d->cmt.write(end, bytes);
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
