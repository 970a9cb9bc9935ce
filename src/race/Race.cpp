#include "Race.h"

#include "Cp1252.h"
#include "FinishJournal.h"
#include "RaceSidecar.h"
#include "RaceTime.h"
#include "ShownTexts.h"
#include "SwedishOrder.h"

#include <algorithm>
#include <unordered_set>

namespace race {

namespace {
const DeltagarPost NoRecord{};

using race_data::JournalEntry;
using race_data::JournalEvent;

// A finished boat's times as the rules give them from its finish, the start and its LYS number. Without
// a start there is nothing to time from, and what the record holds stays.
void timeFinish(DeltagarPost& post, double start) {
    if (!(post.MalTid > 0) || !(start > 0)) return;
    post.SeglTid = timing::sailedTime(post.MalTid, start);
    post.KorrigeradTid = timing::correctedTime(post.SeglTid, post.LysTal);
}

QString sourceText(FinishSource source) {
    switch (source) {
    case FinishSource::Klick:
        return QStringLiteral("klick");
    case FinishSource::Segelnr:
        return QStringLiteral("segelnr");
    case FinishSource::InskrivenTid:
        return QStringLiteral("inskriven tid");
    }
    return {};
}

} // namespace

void Race::open(const QString& dataFil, OpenFor purpose) {
    const bool keepLock = purpose == OpenFor::Desk && lock_.holds(dataFil);
    RaceLock lock = purpose == OpenFor::Desk && !keepLock ? RaceLock::take(dataFil) : RaceLock();
    race_data::RaceFiles files;
    bool commentMadeAnew = false;
    if (purpose == OpenFor::Desk) {
        commentMadeAnew =
            race_data::FilFinns(dataFil) && !race_data::FilFinns(race_data::commentFileName(dataFil));
        files.open(dataFil);
    } else {
        files.openForReading(dataFil);
    }
    std::vector<DeltagarPost> records;
    const int n = files.recordCount();
    records.reserve(std::size_t(std::max(n, 0)));
    for (int i = 1; i <= n; ++i)
        records.push_back(files.readRecord(i));

    // Nothing below fails: only now is the race held before given up.
    files_ = std::move(files);
    if (!keepLock) lock_ = std::move(lock);
    records_ = std::move(records);
    race_data::SidecarRead sidecar = race_data::readSidecar(dataFil);
    codes_ = std::move(sidecar.sidecar.codes);
    savedQueue_ = std::move(sidecar.sidecar.queue);
    resultText_ = std::move(sidecar.sidecar.result);
    groups_ = std::move(sidecar.sidecar.groups);
    groupStarts_.clear();
    groupsCache_.reset();
    sidecarProblem_ = sidecar.problem;
    commentMadeAnew_ = commentMadeAnew;
    unsavedFinishes_.clear();
    journalFailure_.reset();
    journalFailureTold_ = false;
    unsaved_.clear();
    entries_.clear();
    marks_.clear();
    clearQueue();
    for (const int i : liveRecords())
        entries_[i] = entryText(record(i));
    lastStartTid_ = records_.empty() ? 0.0 : records_.back().StartTid;
}

void Race::closeFiles() {
    files_.close();
    lock_.release();
}

const DeltagarPost& Race::record(int n) const {
    return n >= 1 && std::size_t(n) <= records_.size() ? records_[std::size_t(n) - 1] : NoRecord;
}

std::vector<int> Race::liveRecords() const {
    std::vector<int> live;
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (records_[i].Borttagen == 0) live.push_back(int(i) + 1);
    return live;
}

std::vector<int> Race::listedRecords() const {
    const std::vector<int> live = liveRecords();
    QStringList texts;
    texts.reserve(qsizetype(live.size()));
    for (const int n : live)
        texts.append(entry(n));
    std::vector<int> listed;
    listed.reserve(live.size());
    for (const std::size_t i : base::sortedListOrder(texts))
        listed.push_back(live[i]);
    return listed;
}

QString Race::entry(int n) const {
    const auto found = entries_.find(n);
    return found == entries_.end() ? QString() : found->second;
}

QString Race::comment(int n) const {
    const DeltagarPost& post = record(n);
    if (post.KommentarPos < 1) return {};
    try {
        return files_.readComment(post.KommentarPos, post.KommentarLen);
    } catch (const RuntimeError&) {
        return {};
    }
}

SaveFailures Race::saveParticipant(int n, DeltagarPost post, const QString& comment) {
    const bool added = n > int(records_.size()) || record(n).Borttagen != 0;
    const DeltagarPost before = record(n);
    const QString commentBefore = added ? QString() : trimBlanks(this->comment(n));
    post.StartTid = startOf(n);
    timeFinish(post, post.StartTid);
    groupsCache_.reset();
    const SaveFailures failed = writeParticipant(n, post, comment);
    if (failed.record) return failed;
    post = record(n);
    std::vector<JournalEntry> lines;
    const auto line = [&](JournalEvent event, const QString& oldValue, const QString& newValue) {
        JournalEntry e = journalEntry(n);
        e.event = event;
        e.oldValue = oldValue;
        e.newValue = newValue;
        lines.push_back(e);
    };
    if (added) {
        line(JournalEvent::NyBat, {}, timing::lysTalText(post.LysTal));
    } else {
        const auto field = [&](JournalEvent event, const QString& was, const QString& is) {
            if (trimBlanks(was) != trimBlanks(is)) line(event, trimBlanks(was), trimBlanks(is));
        };
        field(JournalEvent::Namn, before.Namn, post.Namn);
        field(JournalEvent::SegelId, before.SegelId, post.SegelId);
        field(JournalEvent::BTyp, before.BTyp, post.BTyp);
        field(JournalEvent::LysTal, timing::lysTalText(before.LysTal), timing::lysTalText(post.LysTal));
        if (!failed.comment && commentBefore != trimBlanks(comment)) line(JournalEvent::Kommentar, {}, {});
        if (post.MalTid > 0 && before.KorrigeradTid != post.KorrigeradTid)
            line(JournalEvent::KorrTid, timing::TidText(before.KorrigeradTid),
                 timing::TidText(post.KorrigeradTid));
    }
    rerank(n);
    journal(lines);
    return failed;
}

SaveFailures Race::writeParticipant(int n, DeltagarPost post, const QString& comment) {
    SaveFailures failed;
    try {
        post.KommentarPos = files_.appendComment(comment);
        post.KommentarLen = std::int32_t(cp1252::encode(comment).size());
    } catch (const RuntimeError& e) {
        // The comment still in the file is not given up for one that could not be written.
        failed.comment = e;
        post.KommentarPos = record(n).KommentarPos;
        post.KommentarLen = record(n).KommentarLen;
    }
    post = race_data::asReadBack(post);
    entries_[n] = entryText(post);
    try {
        files_.writeRecord(n, post);
    } catch (const RuntimeError& e) {
        failed.record = e;
        // A new boat that never reached the file is not part of the race; a changed one is held so
        // that a race saved anew still has the change.
        if (n > int(records_.size()))
            entries_.erase(n);
        else
            unsaved_[n] = post;
        return failed;
    }
    unsaved_.erase(n);
    if (records_.size() < std::size_t(n)) records_.resize(std::size_t(n));
    records_[std::size_t(n) - 1] = post;
    return failed;
}

int Race::addParticipant(const QString& Namn, const QString& SegelId, const QString& BTyp, float LysTal) {
    const int n = recordCount() + 1;
    DeltagarPost post;
    post.Namn = Namn;
    post.SegelId = SegelId;
    post.BTyp = BTyp;
    post.LysTal = LysTal;
    post.StartTid = groupStart(QString());
    // An empty comment writes no bytes: only the record can fail.
    if (const SaveFailures failed = saveParticipant(n, post, QString()); failed.record) throw *failed.record;
    return n;
}

int Race::deleteParticipant(int n, DeltagarPost post) {
    post.Borttagen = -1;
    post.KommentarPos = record(n).KommentarPos; // nothing is appended: the record keeps its comment
    post.KommentarLen = record(n).KommentarLen;
    files_.writeRecord(n, post);
    groupsCache_.reset();
    JournalEntry line = journalEntry(n);
    line.event = JournalEvent::Borttagen;
    if (records_.size() < std::size_t(n)) records_.resize(std::size_t(n));
    records_[std::size_t(n) - 1] = post;
    entries_.erase(n);
    marks_.erase(n);
    ranking_.remove(n);
    const int left = queueIndexOf(n);
    if (left >= 0) {
        queue_.erase(queue_.begin() + left);
        if (std::size_t(left) < rankedUpTo_) --rankedUpTo_;
    }
    saveSidecar(); // the queue it left
    journal({line});
    return left;
}

QString Race::mark(int n) const {
    const auto found = marks_.find(n);
    return found == marks_.end() ? QString() : found->second;
}

bool Race::anyFinished() const {
    return std::any_of(marks_.begin(), marks_.end(),
                       [](const auto& m) { return m.second == QLatin1String("x"); });
}

void Race::restoreMarks(const std::vector<int>& listOrder, const QStringList& byPosition) {
    marks_.clear();
    const std::size_t known = std::min(listOrder.size(), std::size_t(byPosition.size()));
    for (std::size_t p = 0; p < known; ++p)
        if (!byPosition[qsizetype(p)].isEmpty()) marks_[listOrder[p]] = byPosition[qsizetype(p)];
}

void Race::markFinishedRecords() {
    for (const int n : liveRecords())
        if (record(n).MalTid > 0) marks_[n] = QStringLiteral("x");
}

QStringList Race::marksByPosition(const std::vector<int>& listOrder) const {
    QStringList marks;
    marks.reserve(qsizetype(listOrder.size()));
    for (const int n : listOrder)
        marks << mark(n);
    return marks;
}

int Race::queueIndexOf(int n) const {
    const auto found =
        std::find_if(queue_.begin(), queue_.end(), [n](const QueueEntry& q) { return q.record == n; });
    return found == queue_.end() ? -1 : int(found - queue_.begin());
}

QString Race::queueText(int index) const {
    const QueueEntry& q = queue_.at(std::size_t(index));
    return (q.marked ? QStringLiteral("¤") : QString()) + entry(q.record);
}

int Race::enqueue(int n) {
    const QString text = entry(n);
    for (std::size_t i = 0; i < queue_.size(); ++i)
        if (queueText(int(i)) == text) return -1;
    if (finished(n)) return -1;
    queue_.push_back({n, false, nextOrder_++});
    saveSidecar(); // the queue's order comes back after a restart
    return int(queue_.size()) - 1;
}

std::vector<race_data::HeldRecord> Race::heldRecords() const {
    std::vector<race_data::HeldRecord> held;
    int last = int(records_.size());
    for (const auto& [n, post] : unsaved_)
        last = std::max(last, n);
    for (int n = 1; n <= last; ++n) {
        const auto unsaved = unsaved_.find(n);
        held.push_back({n, unsaved != unsaved_.end() ? unsaved->second : record(n), comment(n)});
    }
    return held;
}

void Race::clearQueue() {
    queue_.clear();
    ranking_.clear();
    rankedUpTo_ = 0;
}

// The queue comes back in the order it was queued, finished and waiting boats alike; a finished boat the
// saved order does not know (an older race), or one whose finish was not saved, follows in list order.
void Race::restoreQueue(const std::vector<int>& listOrder) {
    clearQueue();
    const auto live = [this](int n) {
        return n >= 1 && n <= int(records_.size()) && record(n).Borttagen == 0;
    };
    for (const int n : savedQueue_)
        if (live(n) && queueIndexOf(n) < 0) queue_.push_back({n, finished(n), nextOrder_++});
    const auto unsavedFinish = [this](int n) {
        return std::find(unsavedFinishes_.begin(), unsavedFinishes_.end(), n) != unsavedFinishes_.end();
    };
    for (const int n : listOrder)
        if ((finished(n) || unsavedFinish(n)) && queueIndexOf(n) < 0)
            queue_.push_back({n, finished(n), nextOrder_++});
    rankNewlyQueued();
}

std::vector<Ranking::Move> Race::rankNewlyQueued() {
    std::vector<Ranking::Move> moves;
    for (; rankedUpTo_ < queue_.size(); ++rankedUpTo_) {
        const QueueEntry& q = queue_[rankedUpTo_];
        moves.push_back(ranking_.place(q.record, timing::rankingKey(record(q.record).KorrigeradTid),
                                       record(q.record).MalTid));
    }
    return moves;
}

Finish Race::registerFinish(int n, double t, FinishSource source) {
    JournalEntry line = journalEntry(n);
    line.event = registered(n) ? JournalEvent::NyTid : JournalEvent::Mal;
    line.oldValue = race_data::journalTime(record(n).MalTid);
    line.newValue = race_data::journalTime(t);
    line.source = sourceText(source);
    DeltagarPost post = asSavedFromPanel(record(n), startOf(n));
    const QString text = trimBlanks(comment(n));
    post.MalTid = t;
    post.SeglTid = timing::sailedTime(t, post.StartTid);
    post.KorrigeradTid = timing::correctedTime(post.SeglTid, post.LysTal);
    marks_[n] = QStringLiteral("x");

    Finish f{n, t, post.SeglTid, post.KorrigeradTid, entryText(post), rankNewlyQueued(), {}, {}};
    const SaveFailures failed = writeParticipant(n, post, text);
    f.failure = failed.record;
    f.commentFailure = failed.comment;
    entries_[n] = f.entry;
    if (!f.failure) {
        try {
            files_.sync();
        } catch (const RuntimeError& e) {
            f.failure = e;
        }
    }
    f.moves.push_back(ranking_.place(n, timing::rankingKey(f.corrected), f.finish));
    if (!f.failure) journal({line});
    return f;
}

StartChange Race::setStart(double start) {
    const double oldStart = start_;
    start_ = start;
    // Deleted records get the start too: a load reads the start from the file's last record.
    StartChange change = writeStart([](int) { return true; }, start, oldStart, QString());
    if (change.kept) {
        start_ = oldStart;
        return change;
    }
    for (const QString& group : groups())
        groupStarts_[group] = start;
    return change;
}

// Gives the records for which "which" holds the start and retimes their finished boats; the journal gets
// the start, named by its group in a race of several, and every changed corrected time.
StartChange Race::writeStart(const std::function<bool(int)>& which, double start, double oldStart,
                             const QString& group) {
    StartChange change;
    std::vector<JournalEntry> lines;
    bool written = false;
    for (int n = 1; n <= int(records_.size()); ++n) {
        if (!which(n)) continue;
        DeltagarPost post = record(n);
        post.StartTid = start;
        timeFinish(post, start);
        try {
            files_.writeRecord(n, post);
        } catch (const RuntimeError& e) {
            if (!change.failure) change.failure = e;
            unsaved_[n] = post;
            continue;
        }
        written = true;
        unsaved_.erase(n);
        const double before = records_[std::size_t(n) - 1].KorrigeradTid;
        records_[std::size_t(n) - 1] = post;
        if (post.Borttagen != 0 || post.KorrigeradTid == before) continue;
        change.recomputed.push_back({n, before, post.KorrigeradTid});
        JournalEntry line = journalEntry(n);
        line.event = JournalEvent::KorrTid;
        line.oldValue = timing::TidText(before);
        line.newValue = timing::TidText(post.KorrigeradTid);
        lines.push_back(line);
    }
    if (!written && change.failure) {
        for (int n = 1; n <= int(records_.size()); ++n)
            if (which(n)) unsaved_.erase(n);
        change.kept = true;
        return change;
    }
    ranking_.rekeyAll([this](int n) { return timing::rankingKey(record(n).KorrigeradTid); });
    try {
        files_.sync();
    } catch (const RuntimeError& e) {
        if (!change.failure) change.failure = e;
    }
    JournalEntry startLine = journalEntry(0);
    startLine.event = JournalEvent::Start;
    startLine.Namn = group;
    startLine.oldValue = race_data::journalTime(oldStart);
    startLine.newValue = race_data::journalTime(start);
    lines.insert(lines.begin(), startLine);
    journal(lines);
    return change;
}

// A ranked boat whose corrected time changed moves to its new place.
void Race::rerank(int n) {
    if (!ranking_.contains(n) || !finished(n)) return;
    ranking_.place(n, timing::rankingKey(record(n).KorrigeradTid), record(n).MalTid);
}

void Race::restoreUnderWay(const QStringList& flagsByPosition) {
    start_ = lastStartTid_;
    restoreGroupStarts();
    marks_.clear();
    unsavedFinishes_.clear();
    clearQueue();
    if (!(start_ > 0)) return;
    const std::vector<int> listed = listedRecords();
    restoreMarks(listed, flagsByPosition);
    // A flag without a finish in the record is a registration the race file never got: the boat waits
    // unmarked, so that its finish can be registered again.
    for (const int n : listed)
        if (finished(n) && !(record(n).MalTid > 0)) {
            marks_.erase(n);
            unsavedFinishes_.push_back(n);
        }
    markFinishedRecords();
    restoreQueue(listed);
}

void Race::continueAs(const QString& dataFil) {
    RaceLock lock = RaceLock::take(dataFil); // never over a race another desk has open
    if (!files_.stillAtPath())
        race_data::writeRaceAnew(dataFil, heldRecords());
    else
        race_data::copyRace(files_.dataFil(), dataFil);
    race_data::writeSidecar(dataFil, sidecar());
    race_data::RaceFiles copy;
    copy.open(dataFil);
    files_ = std::move(copy);
    lock_ = std::move(lock);
    journalFailure_.reset();
    journalFailureTold_ = false;
}

JournalEntry Race::journalEntry(int n) const {
    JournalEntry e;
    e.recordNumber = n;
    if (n > 0) {
        e.Namn = trimBlanks(record(n).Namn);
        e.SegelId = trimBlanks(record(n).SegelId);
    }
    return e;
}

void Race::journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                             const QString& newText) {
    JournalEntry e = journalEntry(0);
    e.event = column.isEmpty() ? JournalEvent::Rubrik : JournalEvent::Resultat;
    e.Namn = rowName;
    e.source = column;
    e.oldValue = oldText;
    e.newValue = newText;
    journal({e});
}

// The lines of one change carry one clock reading.
void Race::journal(std::vector<JournalEntry> lines) {
    if (!files_.isOpen() || lines.empty()) return;
    const double now = now_ ? now_() : 0.0;
    for (JournalEntry& line : lines)
        line.registered = now;
    try {
        race_data::appendJournal(files_.dataFil(), lines);
    } catch (const RuntimeError& e) {
        if (!journalFailure_) journalFailure_ = e;
    }
}

std::optional<RuntimeError> Race::untoldJournalFailure() {
    if (!journalFailure_ || journalFailureTold_) return std::nullopt;
    journalFailureTold_ = true;
    return journalFailure_;
}

QString Race::code(int n) const {
    const auto found = codes_.find(n);
    return found == codes_.end() ? QString() : found->second;
}

std::optional<RuntimeError> Race::setCode(int n, const QString& code) {
    JournalEntry line = journalEntry(n);
    line.event = JournalEvent::Kod;
    line.oldValue = this->code(n);
    line.newValue = code;
    if (code.isEmpty())
        codes_.erase(n);
    else
        codes_[n] = code;
    journal({line});
    return saveSidecar();
}

std::optional<RuntimeError> Race::setResultText(race_data::ResultText text) {
    resultText_ = std::move(text);
    return saveSidecar();
}

race_data::RaceSidecar Race::sidecar() const {
    race_data::RaceSidecar sidecar{codes_, {}, resultText_, groups_};
    for (const QueueEntry& q : queue_)
        sidecar.queue.push_back(q.record);
    return sidecar;
}

std::optional<RuntimeError> Race::saveSidecar() {
    try {
        race_data::writeSidecar(files_.dataFil(), sidecar());
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

std::optional<RuntimeError> Race::takeBackFinish(int n) {
    JournalEntry line = journalEntry(n);
    line.event = JournalEvent::MalBorttagen;
    line.oldValue = race_data::journalTime(record(n).MalTid);
    DeltagarPost post = record(n);
    post.MalTid = 0;
    post.SeglTid = 0;
    post.KorrigeradTid = 0;
    try {
        files_.writeRecord(n, post);
        files_.sync();
    } catch (const RuntimeError& e) {
        return e;
    }
    records_[std::size_t(n) - 1] = post;
    unsaved_.erase(n);
    marks_.erase(n);
    ranking_.remove(n);
    const int queued = queueIndexOf(n);
    if (queued >= 0) queue_[std::size_t(queued)].marked = false;
    journal({line});
    return std::nullopt;
}

std::vector<ScoredBoat> Race::scored() const {
    return scoredWhere([](int) { return true; }, listedRecords());
}

std::vector<ScoredBoat> Race::scoredWhere(const std::function<bool(int)>& inGroup,
                                          const std::vector<int>& listed) const {
    if (!(start_ > 0)) return {};
    std::vector<Finisher> finishers;
    for (const Ranking::Entry& e : ranking_.entries())
        if (inGroup(e.record) && finished(e.record) && record(e.record).MalTid > 0 &&
            code(e.record).isEmpty())
            finishers.push_back({e.record, e.key});
    std::unordered_set<int> finisherRecords;
    for (const Finisher& f : finishers)
        finisherRecords.insert(f.record);
    const auto isFinisher = [&finisherRecords](int n) { return finisherRecords.count(n) > 0; };
    std::vector<Coded> coded;
    std::vector<int> neither;
    int entries = 0;
    for (const int n : listed) {
        if (!inGroup(n)) continue;
        ++entries;
        if (!code(n).isEmpty())
            coded.push_back({n, code(n)});
        else if (!isFinisher(n))
            neither.push_back(n);
    }
    return scoreRace(finishers, coded, neither, entries);
}

Race::Counts Race::counts() const {
    Counts c;
    for (const int n : liveRecords()) {
        if (!code(n).isEmpty())
            ++c.coded;
        else if (finished(n))
            ++c.finished;
        else
            ++c.out;
    }
    return c;
}

} // namespace race
