#pragma once
// The ranking of the queued boats by corrected-time key, kept in order as boats are placed and moved:
// one key inserted or moved per registration. Keys compare as the hidden ranking list sorts them; equal
// keys (the same corrected second) stand in finishing order, then by record number, so the order is the
// same before and after a restart.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace race {

class Ranking {
public:
    struct Entry {
        QString key;
        int record = 0;
        double finish = 0.0; // among equal keys the earlier finish, then the lower record number, first
    };
    // Where one boat left and where it went, for a list that shows the ranking.
    struct Move {
        int record = 0;
        int removedAt = -1; // -1: it was not ranked before
        int insertedAt = -1;
        QString key;
    };

    Move place(int record, const QString& key, double finish);
    // Returns the position it left, or -1.
    int remove(int record);
    // Every ranked boat gets the key keyOf gives it, and the ranking is sorted once: a start change
    // moves all finished boats at the same time.
    void rekeyAll(const std::function<QString(int record)>& keyOf);
    void clear() { entries_.clear(); }
    bool contains(int record) const { return indexOf(record) >= 0; }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    int indexOf(int record) const;
    std::vector<Entry> entries_;
};

} // namespace race
