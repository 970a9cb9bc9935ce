#pragma once
// The result list as the result window shows it and the printer prints it: a title row, an empty row
// and one row per boat as the race scores it. Built without any window.
#include "RaceTime.h"
#include "ResultColumns.h"
#include "Scoring.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace results {

// What the participant panel shows for one boat: its list entry text and five panel texts.
struct PanelTexts {
    QString entry;
    QString Start;
    QString SlutTid;
    QString TotTid;
    QString LysTal;
    QString KorrTid;
};

// Looks up the panel texts of a boat by its record number.
using PanelLookup = std::function<PanelTexts(int record)>;

// What a row of the list stands for: a boat by its record number, or one of the two rows above them.
constexpr int TitleRow = 0;
constexpr int BlankRow = -1;

struct ResultatLista {
    std::vector<ResultatRad> rows;
    std::vector<int> keys; // one per row: TitleRow, BlankRow, then the boats' record numbers
    QString caption;
};

// startDate and lastFinishDate are "yyyy-mm-dd" texts (lastFinishDate may be empty). The lookup runs
// once per scored boat, in their order.
ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<race::ScoredBoat>& scored,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn);

} // namespace results
