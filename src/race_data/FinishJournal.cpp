#include "FinishJournal.h"

#include "CsvText.h"
#include "FileFailure.h"
#include "RaceFiles.h"
#include "RaceTime.h"
#include "RuntimeError.h"
#include "SystemFileQt.h"

namespace race_data {

namespace {

constexpr QChar Separator = u';';
const QString CrLf = QStringLiteral("\r\n");

QString eventText(JournalEvent event) {
    switch (event) {
    case JournalEvent::Mal:
        return QStringLiteral("mål");
    case JournalEvent::NyTid:
        return QStringLiteral("ny tid");
    case JournalEvent::Start:
        return QStringLiteral("start");
    case JournalEvent::KorrTid:
        return QStringLiteral("korrigerad tid");
    case JournalEvent::NyBat:
        return QStringLiteral("ny båt");
    case JournalEvent::Namn:
        return QStringLiteral("namn");
    case JournalEvent::SegelId:
        return QStringLiteral("segelid");
    case JournalEvent::BTyp:
        return QStringLiteral("båttyp");
    case JournalEvent::LysTal:
        return QStringLiteral("lystal");
    case JournalEvent::Kommentar:
        return QStringLiteral("kommentar");
    case JournalEvent::Borttagen:
        return QStringLiteral("borttagen");
    case JournalEvent::Kod:
        return QStringLiteral("kod");
    case JournalEvent::Grupp:
        return QStringLiteral("startgrupp");
    case JournalEvent::MalBorttagen:
        return QStringLiteral("mål borttagen");
    case JournalEvent::Resultat:
        return QStringLiteral("resultatlista");
    case JournalEvent::Rubrik:
        return QStringLiteral("rubrik");
    }
    return {};
}

} // namespace

QString journalTime(double t) {
    return t == 0 ? QString() : timing::formatDate(t, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
}

namespace {

QByteArray utf8Line(const QStringList& fields) {
    return (csv::line(fields, Separator) + CrLf).toUtf8();
}

} // namespace

QString journalFileName(const QString& dataFil) {
    return sideFileName(dataFil, QStringLiteral("log"));
}

QByteArray journalHeader() {
    return QByteArray("\xEF\xBB\xBF") +
           utf8Line({QStringLiteral("Tidpunkt"), QStringLiteral("Händelse"), QStringLiteral("Post"),
                     QStringLiteral("Namn"), QStringLiteral("SegelId"), QStringLiteral("Gammalt värde"),
                     QStringLiteral("Nytt värde"), QStringLiteral("Källa")});
}

namespace {
QByteArray lineAt(const QString& registered, const JournalEntry& entry) {
    const QString record = entry.recordNumber > 0 ? QString::number(entry.recordNumber) : QString();
    return utf8Line({registered, eventText(entry.event), record, entry.Namn.trimmed(),
                     entry.SegelId.trimmed(), entry.oldValue, entry.newValue, entry.source});
}
} // namespace

QByteArray journalLine(const JournalEntry& entry) {
    return lineAt(journalTime(entry.registered), entry);
}

namespace {

// A line cut short by a crash is ended first, so that the next line starts on a line of its own.
QByteArray lineStart(const sysfile::File& file, qint64 end) {
    if (end == 0) return journalHeader();
    return file.readAt(end - 1, 1) == "\n" ? QByteArray() : CrLf.toUtf8();
}

} // namespace

void appendJournal(const QString& dataFil, const std::vector<JournalEntry>& entries) {
    if (entries.empty()) return;
    const QString path = journalFileName(dataFil);
    // A FIFO or device is never opened: writing to one may wait for ever.
    if (sysfile::kindAt(path) == sysfile::Kind::Other) throw noRegularFile(path);
    // A journal without its owner-write bit stays untouched, as every file of the race does.
    if (isWriteProtected(path)) throw base::writeProtectedFile(path);
    sysfile::File file;
    if (const int error = file.open(sysfile::utf8Path(path), sysfile::Access::ReadWrite))
        throw base::fileFailure(path, error);
    const qint64 end = file.size();
    QByteArray bytes = lineStart(file, end);
    // A change of the start writes a line per finished boat, all at one clock reading: formatted once.
    double stamped = entries.front().registered;
    QString stamp = journalTime(stamped);
    for (const JournalEntry& entry : entries) {
        if (entry.registered != stamped) stamp = journalTime(stamped = entry.registered);
        bytes += lineAt(stamp, entry);
    }
    // One write per change, whole or not at all, so that the journal holds whole lines only.
    int error = file.writeWholeAt(end, sysfile::viewOf(bytes));
    if (!error) error = file.sync();
    if (error) throw base::fileFailure(path, error);
}

} // namespace race_data
