// Start groups: which boats start together, each group's start, and each group scored on its own. A race
// without named groups is the one unnamed group, started and scored as the whole race.
#include "Race.h"

#include "FinishJournal.h"
#include "RaceTime.h"
#include "ShownTexts.h"

#include <algorithm>

namespace race {

using race_data::JournalEntry;
using race_data::JournalEvent;

const std::vector<QString>& Race::groups() const {
    if (!groupsCache_) groupsCache_ = groupsInOrder();
    return *groupsCache_;
}

std::vector<QString> Race::groupsInOrder() const {
    std::vector<QString> named;
    for (const QString& name : groups_.order) {
        const bool used = std::any_of(groups_.groupOf.begin(), groups_.groupOf.end(), [&](const auto& g) {
            return g.second == name && !record(g.first).Borttagen;
        });
        if (used) named.push_back(name);
    }
    const std::vector<int> live = liveRecords();
    if (named.empty() ||
        std::any_of(live.begin(), live.end(), [this](int n) { return groupOf(n).isEmpty(); }))
        named.push_back(QString());
    return named;
}

QString Race::groupOf(int n) const {
    const auto found = groups_.groupOf.find(n);
    return found == groups_.groupOf.end() ? QString() : found->second;
}

bool Race::canMoveTo(int n, const QString& group) const {
    return !finished(n) || groupStart(group.trimmed()) > 0;
}

std::optional<RuntimeError> Race::setGroup(int n, const QString& group) {
    return setGroups({{n, group}});
}

std::optional<RuntimeError> Race::setGroups(const std::vector<std::pair<int, QString>>& moves) {
    std::vector<JournalEntry> lines;
    std::vector<int> moved;
    for (const auto& [n, group] : moves)
        if (regroup(n, group.trimmed(), lines)) moved.push_back(n);
    if (moved.empty()) return std::nullopt;
    journal(lines);
    std::optional<RuntimeError> failure = saveSidecar();
    settleRaceStart();
    // Back to one group, every boat carries the race's start again: a load reads it from the records.
    if (!severalGroups()) moved = liveRecords();
    for (const int m : moved) {
        if (!files_.isOpen() || m > recordCount()) continue;
        std::optional<RuntimeError> recordFailure = moveToGroupStart(m);
        if (!failure) failure = recordFailure;
    }
    return failure;
}

// The boat in its new group as the desk holds it, with its journal line; false when it stays where it is.
bool Race::regroup(int n, const QString& name, std::vector<JournalEntry>& lines) {
    if (name == groupOf(n) || !canMoveTo(n, name)) return false;
    if (!severalGroups()) groupStarts_[groups().front()] = start_;
    JournalEntry line = journalEntry(n);
    line.event = JournalEvent::Grupp;
    line.oldValue = groupOf(n);
    line.newValue = name;
    lines.push_back(line);
    if (name.isEmpty()) {
        groups_.groupOf.erase(n);
    } else {
        groups_.groupOf[n] = name;
        if (std::find(groups_.order.begin(), groups_.order.end(), name) == groups_.order.end())
            groups_.order.push_back(name);
    }
    groupsCache_.reset();
    return true;
}

std::vector<Race::ScoredGroup> Race::scoredByGroup() const {
    const std::vector<QString>& names = groups();
    // Each boat's group is looked up once, not once for every group.
    std::vector<std::size_t> groupIndex(records_.size() + 1, names.size());
    for (const int n : liveRecords())
        groupIndex[std::size_t(n)] =
            std::size_t(std::find(names.begin(), names.end(), groupOf(n)) - names.begin());
    const std::vector<int> listed = listedRecords();
    std::vector<ScoredGroup> scored;
    for (std::size_t g = 0; g < names.size(); ++g) {
        const auto inGroup = [&groupIndex, g](int n) {
            return n > 0 && std::size_t(n) < groupIndex.size() && groupIndex[std::size_t(n)] == g;
        };
        scored.push_back({names[g], scoredWhere(inGroup, listed)});
    }
    return scored;
}

double Race::groupStart(const QString& group) const {
    if (!severalGroups()) return start_;
    const auto found = groupStarts_.find(group);
    return found == groupStarts_.end() ? 0.0 : found->second;
}

bool Race::anyFinishedIn(const QString& group) const {
    return std::any_of(marks_.begin(), marks_.end(), [&](const auto& m) {
        return m.second == QLatin1String("x") && groupOf(m.first) == group;
    });
}

StartChange Race::setGroupStart(const QString& group, double start) {
    if (!severalGroups()) return setStart(start);
    const double oldStart = groupStart(group);
    StartChange change = writeStart([&](int n) { return groupOf(n) == group; }, start, oldStart, group);
    if (change.kept) return change;
    groupStarts_[group] = start;
    settleRaceStart();
    return change;
}

// The race's start is its first gun: the earliest start of a group that has started.
void Race::settleRaceStart() {
    if (!severalGroups()) {
        const auto found = groupStarts_.find(groups().front());
        if (found != groupStarts_.end()) start_ = found->second;
        return;
    }
    double first = 0.0;
    for (const QString& group : groups()) {
        const double s = groupStart(group);
        if (s > 0 && (!(first > 0) || s < first)) first = s;
    }
    start_ = first;
}

// Each group's start as its boats' records hold it; a race of one group keeps the start of the file's
// last record.
void Race::restoreGroupStarts() {
    groupStarts_.clear();
    if (!severalGroups()) {
        groupStarts_[groups().front()] = start_;
        return;
    }
    for (const int n : liveRecords())
        if (record(n).StartTid > 0) groupStarts_[groupOf(n)] = record(n).StartTid;
    settleRaceStart();
}

// A boat that changes group takes its new group's start; a finished boat is timed anew from it.
std::optional<RuntimeError> Race::moveToGroupStart(int n) {
    const double start = startOf(n);
    DeltagarPost post = record(n);
    if (post.StartTid == start) return std::nullopt;
    const double before = post.KorrigeradTid;
    post.StartTid = start;
    if (post.MalTid > 0 && start > 0) {
        post.SeglTid = timing::sailedTime(post.MalTid, start);
        post.KorrigeradTid = timing::correctedTime(post.SeglTid, post.LysTal);
    }
    try {
        files_.writeRecord(n, post);
        files_.sync();
    } catch (const RuntimeError& e) {
        unsaved_[n] = post;
        return e;
    }
    records_[std::size_t(n) - 1] = post;
    rerank(n);
    if (post.MalTid > 0 && post.KorrigeradTid != before) {
        JournalEntry line = journalEntry(n);
        line.event = JournalEvent::KorrTid;
        line.oldValue = timing::TidText(before);
        line.newValue = timing::TidText(post.KorrigeradTid);
        journal({line});
    }
    return std::nullopt;
}

} // namespace race
