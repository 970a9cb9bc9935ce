#pragma once
// The officer's hand corrections of the result list, laid over the list the race scores. Each corrected
// cell remembers what the list showed there, so that a registration that changes it can be noticed.
#include "RaceSidecar.h"
#include "ResultList.h"

namespace results {

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
