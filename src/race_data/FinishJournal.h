#pragma once
// The race's journal NAME.log beside NAME.dat: one line for every change of the race (finishes, the
// start, boats added, edited or deleted, hand edits of the result list), for the jury. The desk only
// ever appends to it and never reads it. UTF-8 with a byte-order mark, ';' separated, CRLF.
#include <QByteArray>
#include <QString>
#include <vector>

namespace race_data {

enum class JournalEvent {
    Mal,     // "mål": a finish registered
    NyTid,   // "ny tid": a registered finish given another time
    Start,   // "start": the common start given or changed
    KorrTid, // "korrigerad tid": a finished boat's corrected time recomputed
    NyBat,   // "ny båt": a boat added
    Namn,    // "namn", "segelid", "båttyp", "lystal", "kommentar": one field of a boat edited
    SegelId,
    BTyp,
    LysTal,
    Kommentar,
    Borttagen,    // "borttagen": a boat deleted
    Kod,          // "kod": a scoring code set, replaced (old and new) or removed (new empty)
    MalBorttagen, // "mål borttagen": a registered finish taken back
    Resultat,     // "resultatlista": a cell of the result list corrected by hand
    Rubrik,       // "rubrik": the result list's heading typed
    Grupp,        // "startgrupp": a boat moved to another start group
};

struct JournalEntry {
    double registered = 0; // the desk's clock reading at the change; 0 leaves the field empty
    JournalEvent event = JournalEvent::Mal;
    int recordNumber = 0; // 0 for a change of the whole race
    QString Namn;
    QString SegelId;
    QString oldValue;
    QString newValue;
    QString source; // Källa: "klick", "segelnr", "inskriven tid" for finishes
};

// The journal of a race file: the comment file's naming rule with "log".
QString journalFileName(const QString& dataFil);

// A date-time as the journal writes it, "yyyy-mm-dd hh:mm:ss"; 0 is an empty field.
QString journalTime(double t);

// The first bytes of a new journal: the byte-order mark and the header line, CRLF included.
QByteArray journalHeader();
// One line, CRLF included: the clock reading as "yyyy-mm-dd hh:mm:ss", the record number empty for a
// change of the whole race; fields quoted where needed.
QByteArray journalLine(const JournalEntry& entry);

// Appends the lines of one change to the journal of dataFil in one write, whole or not at all, creating
// the file with its header first, and pushes them onto the device before returning. A journal that does
// not end a line (a crash) gets a line end first. A journal path that names a FIFO, device or folder is
// refused without being opened. Throws RuntimeError naming the journal and the reason when any of that
// fails; the change itself stands.
void appendJournal(const QString& dataFil, const std::vector<JournalEntry>& entries);

} // namespace race_data
