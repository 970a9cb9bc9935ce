#include "FinishJournal.h"

#include "CsvText.h"
#include "FileFailure.h"
#include "FileSync.h"
#include "RaceFiles.h"
#include "RaceTime.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

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

// Called right after the failing call, while errno still holds its reason.
[[noreturn]] void journalFailed(const QFile& file) {
    throw base::fileFailure(file.fileName(), errno != 0 ? errno : EIO);
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

void appendJournal(const QString& dataFil, const std::vector<JournalEntry>& entries) {
    if (entries.empty()) return;
    QFile file(journalFileName(dataFil));
    // A journal without its owner-write bit stays untouched, as every file of the race does.
    const QFileInfo info(file.fileName());
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        throw base::writeProtectedFile(file.fileName());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) journalFailed(file);
    // One write per change, so that a crash leaves whole lines only.
    QByteArray bytes = file.size() == 0 ? journalHeader() : QByteArray();
    // A change of the start writes a line per finished boat, all at one clock reading: formatted once.
    double stamped = entries.front().registered;
    QString stamp = journalTime(stamped);
    for (const JournalEntry& entry : entries) {
        if (entry.registered != stamped) stamp = journalTime(stamped = entry.registered);
        bytes += lineAt(stamp, entry);
    }
    if (file.write(bytes) != bytes.size() || !syncToDevice(file)) journalFailed(file);
}

} // namespace race_data
