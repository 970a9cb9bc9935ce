#include "Race.h"

#include "Cp1252.h"
#include "RaceTime.h"
#include "ShownTexts.h"
#include "SwedishOrder.h"

#include <algorithm>

namespace race {

namespace {
const DeltagarPost NoRecord{};
}

void Race::open(const QString& dataFil, OpenFor purpose) {
    const bool keepLock = purpose == OpenFor::Desk && lock_.holds(dataFil);
    RaceLock lock = purpose == OpenFor::Desk && !keepLock ? RaceLock::take(dataFil) : RaceLock();
    race_data::RaceFiles files;
    files.open(dataFil);
    std::vector<DeltagarPost> records;
    const int n = files.recordCount();
    records.reserve(std::size_t(std::max(n, 0)));
    for (int i = 1; i <= n; ++i)
        records.push_back(files.readRecord(i));

    // Nothing below fails: only now is the race held before given up.
    files_ = std::move(files);
    if (!keepLock) lock_ = std::move(lock);
    records_ = std::move(records);
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
    SaveFailures failed;
    try {
        post.KommentarPos = files_.appendComment(comment);
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
    post.StartTid = start_;
    post.KommentarPos = nextCommentPosition();
    // An empty comment writes no bytes: only the record can fail.
    if (const SaveFailures failed = saveParticipant(n, post, QString()); failed.record) throw *failed.record;
    return n;
}

int Race::deleteParticipant(int n, DeltagarPost post) {
    post.Borttagen = -1;
    files_.writeRecord(n, post);
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

void Race::restoreQueue(const std::vector<int>& listOrder) {
    clearQueue();
    for (const int n : listOrder)
        if (finished(n)) queue_.push_back({n, true, nextOrder_++});
    rankNewlyQueued();
}

std::vector<Ranking::Move> Race::rankNewlyQueued() {
    std::vector<Ranking::Move> moves;
    for (; rankedUpTo_ < queue_.size(); ++rankedUpTo_) {
        const QueueEntry& q = queue_[rankedUpTo_];
        moves.push_back(
            ranking_.place(q.record, timing::rankingKey(record(q.record).KorrigeradTid), q.order));
    }
    return moves;
}

Finish Race::registerFinish(int n, double t) {
    DeltagarPost post = asSavedFromPanel(record(n), start_);
    const QString text = trimBlanks(comment(n));
    post.MalTid = t;
    post.SeglTid = timing::sailedTime(t, start_);
    post.KorrigeradTid = timing::correctedTime(post.SeglTid, post.LysTal);
    post.KommentarLen = std::int32_t(cp1252::encode(text).size());
    marks_[n] = QStringLiteral("x");

    Finish f{n, t, post.SeglTid, post.KorrigeradTid, entryText(post), rankNewlyQueued(), {}, {}};
    const SaveFailures failed = saveParticipant(n, post, text);
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
    const int at = queueIndexOf(n);
    const std::uint64_t order = at >= 0 ? queue_[std::size_t(at)].order : nextOrder_++;
    f.moves.push_back(ranking_.place(n, timing::rankingKey(f.corrected), order));
    return f;
}

} // namespace race
