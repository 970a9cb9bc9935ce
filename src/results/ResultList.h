#pragma once
// The result list as the result window shows it and the printer prints it: a title row, an empty row
// and one row per boat of the ranking list, in the ranking list's order. Built without any window.
#include "RaceTime.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace results {

// Seven text cells: "Namn", "Start", "Mål", "SeglTid", "LysTal", "KorrTid", "Plac.".
using ResultatRad = std::array<QString, 7>;
constexpr int PlaceCell = 6;

// One entry of the ranking list lstSortMG: its corrected-time key and the boat's record number.
struct RankingEntry {
    QString key;
    int record = 0;
};

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

struct ResultatLista {
    std::vector<ResultatRad> rows;
    QString caption;
};

// startDate and lastFinishDate are "yyyy-mm-dd" texts (lastFinishDate may be empty). The lookup runs
// once per ranking entry, in list order.
ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<RankingEntry>& ranking,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn);

} // namespace results
