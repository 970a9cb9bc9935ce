#pragma once
// The open race: its file pair, the common start, the participants by record number, the finish
// marks, the finish queue and the ranking. Every change of a race goes through here; the desk's
// windows show what it holds and turn list positions into record numbers before they call it.
#include "DeltagarPost.h"
#include "RaceFiles.h"
#include "RaceLock.h"
#include "Ranking.h"
#include "RuntimeError.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace race {

// What one registration changed.
struct Finish {
    int record = 0;
    double finish = 0.0;
    double sailed = 0.0;
    double corrected = 0.0;
    QString entry;                       // the boat's list entry as saved
    std::vector<Ranking::Move> moves;    // boats newly ranked, then this boat placed
    std::optional<RuntimeError> failure; // the record could not be written; the boat stays marked
    // The comment could not be appended again; the record keeps pointing at its previous copy.
    std::optional<RuntimeError> commentFailure;
};

// What a participant's save could not write.
struct SaveFailures {
    std::optional<RuntimeError> record;  // the participant is not saved
    std::optional<RuntimeError> comment; // the record keeps pointing at the boat's previous comment
};

// Who opens a race: a desk holds it open and locked; the result export only reads it.
enum class OpenFor { Desk, Reading };

class Race {
public:
    struct QueueEntry {
        int record = 0;
        bool marked = false; // shown with "¤": registered by a click, or restored as finished
        std::uint64_t order = 0;
    };

    // Opens the race file pair and reads every record; a desk holds the race's lock as long as it is open.
    // Throws RuntimeError when the race cannot be opened (PermissionDenied: another desk has it open),
    // and the race held before is then kept as it was.
    void open(const QString& dataFil, OpenFor purpose = OpenFor::Desk);
    void closeFiles();
    bool filesOpen() const { return files_.isOpen(); }
    race_data::RaceFiles& files() { return files_; }

    // Participants, by record number. A record past the end of the file is all zero.
    const DeltagarPost& record(int n) const;
    int recordCount() const { return files_.recordCount(); }
    std::vector<int> liveRecords() const;
    // The live records in the order a fresh load lists them in the participant list.
    std::vector<int> listedRecords() const;
    // The boat's list entry, made from its record as the file gives it back (entryText).
    QString entry(int n) const;
    // The boat's list entry after an edit; its queue entry shows it from now on.
    void setEntry(int n, const QString& entry) { entries_[n] = entry; }
    QString comment(int n) const; // empty when it cannot be read
    double lastStartTid() const { return lastStartTid_; }
    std::int32_t nextCommentPosition() const { return files_.commentFileLength() + 1; }

    // Saves a participant: its comment is appended first, then the record that points at it, so a
    // record never points at bytes a later comment will fill. When the comment cannot be written the
    // record is still written, pointing at the boat's previous comment copy. When the record cannot be
    // written a new participant is forgotten and a changed one held as unsaved. The race holds the
    // record, and its entry, as the file gives them back.
    [[nodiscard]] SaveFailures saveParticipant(int n, DeltagarPost post, const QString& comment);
    // A new participant appended as the participant panel saves one: the texts and LYS number given,
    // the race's start, no times, an empty comment. Returns its record number; throws RuntimeError
    // when the record cannot be written, and the race is then as before.
    int addParticipant(const QString& Namn, const QString& SegelId, const QString& BTyp, float LysTal);
    // Writes the record with its deletion mark; the boat leaves the marks, the queue and the ranking.
    // Returns the queue position it left, or -1.
    int deleteParticipant(int n, DeltagarPost post);
    // Every record as the desk holds it, with its comment: what a registration could not write included.
    std::vector<race_data::HeldRecord> heldRecords() const;
    // Flushes both files to the device.
    void flush() { files_.sync(); }

    double start() const { return start_; }
    // The desk's GemensamStart is this very value.
    double& startRef() { return start_; }

    // Finish marks: "x" is a registered finish; any other non-empty mark (a damaged settings file's
    // "NC") counts as registered for a second click but does not keep the boat out of the queue.
    QString mark(int n) const;
    bool finished(int n) const { return mark(n) == QLatin1String("x"); }
    bool registered(int n) const { return !mark(n).isEmpty(); }
    bool anyFinished() const;
    void clearMarks() { marks_.clear(); }
    // The settings file keeps marks by list position; listOrder gives the record at each position.
    void restoreMarks(const std::vector<int>& listOrder, const QStringList& byPosition);
    // Every live record holding a finish counts as finished.
    void markFinishedRecords();
    QStringList marksByPosition(const std::vector<int>& listOrder) const;

    // The finish queue, in queuing order.
    const std::vector<QueueEntry>& queue() const { return queue_; }
    int queueIndexOf(int n) const;
    QString queueText(int index) const; // the entry, with "¤" when marked
    // Adds the boat at the end unless it has finished or a waiting entry reads exactly alike. Returns
    // its queue position, or -1 when refused.
    int enqueue(int n);
    void markQueued(int index) { queue_.at(index).marked = true; }
    void clearQueue();
    // The finished boats in list order, marked, and ranked.
    void restoreQueue(const std::vector<int>& listOrder);

    const std::vector<Ranking::Entry>& ranking() const { return ranking_.entries(); }

    // A finish at time t: sailed and corrected time from the race's start and the LYS number as the
    // desk shows it (two decimals), the record saved with its comment again and flushed, the mark set,
    // the boats queued since the last registration ranked and this one placed.
    Finish registerFinish(int n, double t);

private:
    std::vector<Ranking::Move> rankNewlyQueued();

    race_data::RaceFiles files_;
    RaceLock lock_;
    std::vector<DeltagarPost> records_;             // index n - 1, as on the disk
    std::unordered_map<int, DeltagarPost> unsaved_; // records whose last write failed
    std::unordered_map<int, QString> entries_;
    std::unordered_map<int, QString> marks_;
    std::vector<QueueEntry> queue_;
    std::uint64_t nextOrder_ = 0;
    std::size_t rankedUpTo_ = 0;
    Ranking ranking_;
    double start_ = 0.0;
    double lastStartTid_ = 0.0;
};

} // namespace race
