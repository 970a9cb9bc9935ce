#include "Ranking.h"

#include "SwedishOrder.h"

#include <algorithm>

namespace race {

namespace {
bool before(const Ranking::Entry& a, const Ranking::Entry& b) {
    const int byKey = base::compareSwedish(a.key, b.key);
    if (byKey != 0) return byKey < 0;
    return a.finish != b.finish ? a.finish < b.finish : a.record < b.record;
}
} // namespace

void Ranking::rekeyAll(const std::function<QString(int record)>& keyOf) {
    for (Entry& e : entries_)
        e.key = keyOf(e.record);
    std::stable_sort(entries_.begin(), entries_.end(), before);
}

int Ranking::indexOf(int record) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [record](const Entry& e) { return e.record == record; });
    return found == entries_.end() ? -1 : int(found - entries_.begin());
}

Ranking::Move Ranking::place(int record, const QString& key, double finish) {
    Move move{record, remove(record), -1, key};
    const Entry entry{key, record, finish};
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), entry, before);
    move.insertedAt = int(at - entries_.begin());
    entries_.insert(at, entry);
    return move;
}

int Ranking::remove(int record) {
    const int at = indexOf(record);
    if (at >= 0) entries_.erase(entries_.begin() + at);
    return at;
}

} // namespace race
