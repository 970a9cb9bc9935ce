#pragma once
// The finish journal NAME.log beside NAME.dat: one line for every finish registration and every change
// of the common start, for the jury. The desk only ever appends to it and never reads it.
#include "RaceTime.h"

#include <QByteArray>
#include <QString>

namespace race_data {

enum class JournalEvent {
    Mal,          // "mål": a finish registered by a click
    NyTid,        // "ny tid": a second click on a finished boat answered Yes
    InskrivenTid, // "inskriven tid": a finish time typed in
    Start,        // "start": the common start given or changed
};

struct JournalEntry {
    timing::DateTime registered = 0; // the desk's clock reading at the registration
    JournalEvent event = JournalEvent::Mal;
    int recordNumber = 0; // 0 for the start, which concerns every boat
    QString Namn;
    QString SegelId;
    timing::DateTime oldTime = 0; // 0 = none
    timing::DateTime newTime = 0;
};

// The journal of a race file: the comment file's naming rule with "log".
QString journalFileName(const QString& dataFil);

// The first line of a new journal, CRLF included.
QByteArray journalHeader();
// One line, CRLF included: date-times as "yyyy-mm-dd hh:mm:ss" (a time of 0 is an empty field), the
// record number empty for the start; fields separated by ';' and quoted where needed.
QByteArray journalLine(const JournalEntry& entry);

// Appends the line to the journal of dataFil, creating the file with its header first, and pushes it
// onto the device before returning. Throws RuntimeError when any of that fails; the caller goes on.
void appendJournal(const QString& dataFil, const JournalEntry& entry);

} // namespace race_data
