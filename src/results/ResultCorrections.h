#pragma once
// The officer's hand corrections of the result list, laid over the list the race scores. Each corrected
// cell remembers what the list showed there, so that a registration that changes it can be noticed.
#include "RaceSidecar.h"
#include "ResultList.h"

namespace results {

// Whether a correction of the column shows in row r of the list and may be typed there. A boat's own
// texts are corrected in each of its rows alike, being one correction kept by its record number; its
// place and points only in its group's row, since its place in "Totalt" is another. A section's heading
// comes from its group and takes none.
bool correctable(const ResultatLista& list, std::size_t r, int column);

// The computed list with every corrected cell showing the officer's text.
void applyCorrections(ResultatLista& list, const race_data::ResultText& text);

// The rows (by key) whose corrected cells the computed list no longer shows as they were when corrected.
std::vector<int> staleCorrections(const ResultatLista& computed, const race_data::ResultText& text);

// The corrections of the row stand for its newly computed cells.
void rebaseCorrections(race_data::ResultText& text, const ResultatLista& computed, int key);

// A cell typed by the officer: a correction unless it equals what the list computes, which undoes it.
void correctCell(race_data::ResultText& text, int key, int column, const QString& computed,
                 const QString& typed);

bool isCorrected(const race_data::ResultText& text, int key, int column);

} // namespace results
