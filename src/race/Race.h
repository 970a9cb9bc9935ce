#pragma once
// The open race: its file pair, the common start, the participants by record number, the finish
// marks, the finish queue and the ranking. Every change of a race goes through here; the desk's
// windows show what it holds and turn list positions into record numbers before they call it.
#include "DeltagarPost.h"
#include "RaceFiles.h"
#include "RaceLock.h"
#include "RaceSidecar.h"
#include "Ranking.h"
#include "RuntimeError.h"
#include "Scoring.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace race_data {
struct JournalEntry;
} // namespace race_data

namespace race {

// How a finish reached the desk, as the journal tells it.
enum class FinishSource { Klick, Segelnr, InskrivenTid };

// A finished boat whose corrected time a start or rating change recomputed.
struct TimeChange {
    int record = 0;
    double oldCorrected = 0.0;
    double newCorrected = 0.0;
};

// What a change of the start did: the boats whose corrected time changed, and the first write that
// failed. When no record could be written at all the race keeps its old start.
struct StartChange {
    std::vector<TimeChange> recomputed;
    std::optional<RuntimeError> failure;
    bool kept = false; // nothing written: the old start stands
};

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

    // The clock reading that journal lines carry; without one they carry no time.
    void setClock(std::function<double()> now) { now_ = std::move(now); }

    // Opens the race file pair and reads every record; a desk holds the race's lock as long as it is open.
    // Throws RuntimeError when the race cannot be opened (PermissionDenied: another desk has it open),
    // and the race held before is then kept as it was.
    void open(const QString& dataFil, OpenFor purpose = OpenFor::Desk);
    void closeFiles();
    // A race under way as a load finds it: the start of the file's last record and, when there is one,
    // the finish marks (the settings' flags by list position where they belong to this race, and every
    // record holding a finish), with the finished boats queued in list order and ranked. A flag whose
    // record holds no finish marks nothing: that boat waits in the queue (unsavedFinishes). Start-up, the
    // open command and the command-line export all restore through here.
    void restoreUnderWay(const QStringList& flagsByPosition = {});
    // Continues the race on a copy of its file pair at dataFil ("Spara Som"): the copy is made (written
    // anew from what is held when the files have vanished), then opened in place of the old pair, with
    // start, marks, queue and ranking kept. Throws RuntimeError naming the file and the reason; the race
    // then goes on in its old files.
    void continueAs(const QString& dataFil);
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

    // Saves a participant: its comment is appended first, then the record that points at it, so a
    // record never points at bytes a later comment will fill. When the comment cannot be written the
    // record is still written, pointing at the boat's previous comment copy. When the record cannot be
    // written a new participant is forgotten and a changed one held as unsaved. The race holds the
    // record, and its entry, as the file gives them back. A finished boat's sailed and corrected times
    // follow its finish, the race's start and its LYS number; a changed corrected time re-ranks it.
    // Every change of a field gets a journal line.
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

    // The race's start: in a race of several start groups its first gun, 0 until then.
    double start() const { return start_; }
    // The desk's GemensamStart is this very value.
    const double& startRef() const { return start_; }
    // Gives every record the new start and recomputes the times of the finished boats, each write on
    // the device when this returns, the ranking following; the journal gets the start and every
    // changed corrected time. Every start group takes this start.
    StartChange setStart(double start);

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

    // Scoring codes, kept in NAME.json beside the race. A code stands whether or not the boat finished.
    QString code(int n) const;
    // Gives the boat the code (replacing any it had), or takes its code away when code is empty; the
    // journal gets the old and the new code. Returns the failure to write NAME.json; the code then
    // stands in the desk until the race is closed.
    std::optional<RuntimeError> setCode(int n, const QString& code);
    // Takes a registered finish back: the record's finish, sailed and corrected time become zero, the
    // mark goes, the boat leaves the ranking but stays in the queue, so that a click registers it again.
    std::optional<RuntimeError> takeBackFinish(int n);
    // The result list's own texts (club, heading, final, hand corrections), kept in NAME.json.
    const race_data::ResultText& resultText() const { return resultText_; }
    // Takes the texts and writes NAME.json at once; returns the failure to write it (the texts then
    // stand in the desk until the race is closed).
    std::optional<RuntimeError> setResultText(race_data::ResultText text);
    // Start groups, kept in NAME.json. A race without named groups is the one unnamed group "".
    // The groups in order: the named ones as the officer made them, then the unnamed one when a boat
    // belongs to it.
    const std::vector<QString>& groups() const;
    QString groupOf(int n) const;
    // Puts the boat in the group ("" the unnamed one; a new name makes a new group, last), journaled and
    // written to NAME.json at once; the boat takes the group's start and a finished boat is timed anew.
    // Returns the first failure to write. A move canMoveTo refuses changes nothing.
    std::optional<RuntimeError> setGroup(int n, const QString& group);
    // As setGroup for many boats at once (an imported list), NAME.json written once.
    std::optional<RuntimeError> setGroups(const std::vector<std::pair<int, QString>>& moves);
    struct ScoredGroup {
        QString name;
        std::vector<ScoredBoat> boats;
    };
    // Each group scored on its own, in the groups' order: places, ties and points among its boats, a
    // code scoring the group's entries + 1. Empty without a start.
    std::vector<ScoredGroup> scoredByGroup() const;
    bool severalGroups() const { return groups().size() > 1; }
    // The group's start, 0 until its gun; a race of one group has the race's start.
    double groupStart(const QString& group) const;
    double startOf(int n) const { return groupStart(groupOf(n)); }
    bool anyFinishedIn(const QString& group) const;
    // A finished boat may not move to a group that has not started: it would have no start to be timed from.
    bool canMoveTo(int n, const QString& group) const;
    // As setStart, for the boats of one group of several (the journal's start line names the group); in a
    // race of one group it is setStart.
    StartChange setGroupStart(const QString& group, double start);
    // What of NAME.json could not be read when the race was opened; empty when all was well.
    QString sidecarProblem() const { return sidecarProblem_; }
    // The race file was there but its comment file was not, and the opening made it anew, empty.
    bool commentFileMadeAnew() const { return commentMadeAnew_; }
    // The boats the restored flags call finished whose records hold no finish, in list order: they
    // wait in the queue unmarked.
    const std::vector<int>& unsavedFinishes() const { return unsavedFinishes_; }
    // How the fleet stands: boats with a finish and no code, boats with a code, and the rest still out.
    struct Counts {
        int finished = 0;
        int coded = 0;
        int out = 0;
    };
    Counts counts() const;
    // The boats not deleted: the fleet that a code's points count.
    int entered() const { return int(liveRecords().size()); }
    // Every boat of a race with a start, as the result list shows it: finishers by place, then the boats
    // with a code, then the rest in list order. Empty without a start.
    std::vector<ScoredBoat> scored() const;

    // A finish at time t: sailed and corrected time from the race's start and the LYS number as the
    // desk shows it (two decimals), the record saved with its comment again and flushed, the mark set,
    // the boats queued since the last registration ranked and this one placed.
    Finish registerFinish(int n, double t, FinishSource source = FinishSource::Klick);

    // A journal line for a change made outside the race model (a hand edit of the result list).
    // A cell of the row named rowName in the column, or the heading when column is empty.
    void journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                           const QString& newText);
    // A journal write that failed, once per open race; then nothing until another race is opened.
    std::optional<RuntimeError> untoldJournalFailure();

private:
    std::vector<Ranking::Move> rankNewlyQueued();
    SaveFailures writeParticipant(int n, DeltagarPost post, const QString& comment);
    void rerank(int n);
    void journal(std::vector<race_data::JournalEntry> lines);
    race_data::JournalEntry journalEntry(int n) const;
    race_data::RaceSidecar sidecar() const;
    std::optional<RuntimeError> saveSidecar();
    StartChange writeStart(const std::function<bool(int)>& which, double start, double oldStart,
                           const QString& group);
    void settleRaceStart();
    std::vector<QString> groupsInOrder() const;
    void restoreGroupStarts();
    std::optional<RuntimeError> moveToGroupStart(int n);
    bool regroup(int n, const QString& name, std::vector<race_data::JournalEntry>& lines);
    // The boats for which inGroup holds, scored among themselves; listed is listedRecords(), which groups
    // scored one after another share.
    std::vector<ScoredBoat> scoredWhere(const std::function<bool(int)>& inGroup,
                                        const std::vector<int>& listed) const;

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
    std::function<double()> now_;
    std::map<int, QString> codes_;
    std::vector<int> savedQueue_; // the queue's order as NAME.json gave it at the opening
    race_data::ResultText resultText_;
    race_data::StartGroups groups_;
    std::map<QString, double> groupStarts_;                   // 0 or missing: the group has not started
    mutable std::optional<std::vector<QString>> groupsCache_; // groups(), until a boat or group changes
    QString sidecarProblem_;
    bool commentMadeAnew_ = false;
    std::vector<int> unsavedFinishes_;
    std::optional<RuntimeError> journalFailure_;
    bool journalFailureTold_ = false;
};

} // namespace race
