#include "FinishJournal.h"

#include "CsvText.h"
#include "FileSync.h"
#include "RaceFiles.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>

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
    case JournalEvent::InskrivenTid:
        return QStringLiteral("inskriven tid");
    case JournalEvent::Start:
        return QStringLiteral("start");
    }
    return {};
}

QString timeText(timing::DateTime t) {
    return t == 0 ? QString() : timing::formatDate(t, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
}

QByteArray utf8Line(const QStringList& fields) {
    return (csv::line(fields, Separator) + CrLf).toUtf8();
}

[[noreturn]] void journalFailed(const QFile& file) {
    const int number = file.error() == QFileDevice::OpenError || file.error() == QFileDevice::PermissionsError
                           ? runtime_error_numbers::PathFileAccess
                           : runtime_error_numbers::DeviceIO;
    throw RuntimeError(number, "finish journal " + file.fileName().toStdString() + ": " +
                                   file.errorString().toStdString());
}

} // namespace

QString journalFileName(const QString& dataFil) {
    return sideFileName(dataFil, QStringLiteral("log"));
}

QByteArray journalHeader() {
    return utf8Line({QStringLiteral("Tidpunkt"), QStringLiteral("Händelse"), QStringLiteral("Post"),
                     QStringLiteral("Namn"), QStringLiteral("SegelId"), QStringLiteral("Gammal tid"),
                     QStringLiteral("Ny tid")});
}

QByteArray journalLine(const JournalEntry& entry) {
    const QString record = entry.recordNumber > 0 ? QString::number(entry.recordNumber) : QString();
    return utf8Line({timeText(entry.registered), eventText(entry.event), record, entry.Namn.trimmed(),
                     entry.SegelId.trimmed(), timeText(entry.oldTime), timeText(entry.newTime)});
}

void appendJournal(const QString& dataFil, const JournalEntry& entry) {
    QFile file(journalFileName(dataFil));
    // A journal without its owner-write bit stays untouched, as every file of the race does.
    const QFileInfo info(file.fileName());
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        throw RuntimeError(runtime_error_numbers::PathFileAccess, "finish journal is read-only");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) journalFailed(file);
    // One write per registration, so that a crash leaves whole lines only.
    const QByteArray bytes = (file.size() == 0 ? journalHeader() : QByteArray()) + journalLine(entry);
    if (file.write(bytes) != bytes.size() || !syncToDevice(file)) journalFailed(file);
}

} // namespace race_data
