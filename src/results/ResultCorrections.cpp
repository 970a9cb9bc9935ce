#include "ResultCorrections.h"

#include <algorithm>

namespace results {

namespace {

// The computed row of a key, or null when the list has no such row (a boat deleted since).
const ResultatRad* rowOf(const ResultatLista& list, int key) {
    const auto found = std::find(list.keys.begin(), list.keys.end(), key);
    return found == list.keys.end() ? nullptr : &list.rows[std::size_t(found - list.keys.begin())];
}

} // namespace

bool correctable(const ResultatLista& list, std::size_t r, int column) {
    if (column < 0 || column >= int(ColumnCount) || r >= list.keys.size() || list.keys[r] == SectionRow)
        return false;
    return column < PlaceCell || r >= list.sections.size() || !list.sections[r].total;
}

void applyCorrections(ResultatLista& list, const race_data::ResultText& text) {
    for (std::size_t r = 0; r < list.keys.size(); ++r) {
        const auto row = text.corrections.find(list.keys[r]);
        if (row == text.corrections.end()) continue;
        for (const auto& [column, correction] : row->second)
            if (correctable(list, r, column)) list.rows[r][std::size_t(column)] = correction.text;
    }
}

std::vector<int> staleCorrections(const ResultatLista& computed, const race_data::ResultText& text) {
    std::vector<int> stale;
    for (const auto& [key, cells] : text.corrections) {
        const ResultatRad* row = rowOf(computed, key);
        if (!row) continue;
        const bool changed = std::any_of(cells.begin(), cells.end(), [row](const auto& cell) {
            return cell.first < int(ColumnCount) && (*row)[std::size_t(cell.first)] != cell.second.computed;
        });
        if (changed) stale.push_back(key);
    }
    return stale;
}

void rebaseCorrections(race_data::ResultText& text, const ResultatLista& computed, int key) {
    const ResultatRad* row = rowOf(computed, key);
    const auto found = text.corrections.find(key);
    if (!row || found == text.corrections.end()) return;
    for (auto& [column, correction] : found->second)
        if (column < int(ColumnCount)) correction.computed = (*row)[std::size_t(column)];
}

void correctCell(race_data::ResultText& text, int key, int column, const QString& computed,
                 const QString& typed) {
    if (typed != computed) {
        text.corrections[key][column] = {computed, typed};
        return;
    }
    const auto row = text.corrections.find(key);
    if (row == text.corrections.end()) return;
    row->second.erase(column);
    if (row->second.empty()) text.corrections.erase(row);
}

bool isCorrected(const race_data::ResultText& text, int key, int column) {
    const auto row = text.corrections.find(key);
    return row != text.corrections.end() && row->second.count(column) > 0;
}

} // namespace results
