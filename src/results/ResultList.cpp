#include "ResultList.h"

namespace results {
namespace {

ResultatRad titleRow(const QString& startDate, const QString& lastFinishDate) {
    ResultatRad row;
    row[0] = QStringLiteral("Tävling ") + startDate + QStringLiteral("  mellan");
    row[1] = timing::monthDayText(startDate);
    row[2] = timing::monthDayText(lastFinishDate);
    return row;
}

ResultatRad boatRow(const PanelTexts& panel, const QString& place) {
    return ResultatRad{panel.entry,  panel.Start,   panel.SlutTid, panel.TotTid,
                       panel.LysTal, panel.KorrTid, place};
}

// Boats with the same corrected second share the place, shown "3=" for each; the next boat's place
// counts them all (3=, 3=, 5).
std::vector<QString> places(const std::vector<RankingEntry>& ranking) {
    std::vector<QString> shown(ranking.size());
    for (std::size_t first = 0; first < ranking.size();) {
        std::size_t end = first + 1;
        while (end < ranking.size() && ranking[end].key == ranking[first].key)
            ++end;
        const QString place =
            QString::number(first + 1) + (end - first > 1 ? QStringLiteral("=") : QString());
        for (std::size_t i = first; i < end; ++i)
            shown[i] = place;
        first = end;
    }
    return shown;
}

} // namespace

ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<RankingEntry>& ranking,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn) {
    ResultatLista list;
    list.rows.reserve(ranking.size() + 2);
    list.rows.push_back(titleRow(startDate, lastFinishDate));
    list.rows.push_back(ResultatRad{});
    list.caption = QStringLiteral("ResultatLista  Fil  ") + TavlingsNamn + QStringLiteral("      ") +
                   timing::captionDate(GemensamStart);
    const std::vector<QString> place = places(ranking);
    for (std::size_t i = 0; i < ranking.size(); ++i)
        list.rows.push_back(boatRow(panelTexts(ranking[i].record), place[i]));
    return list;
}

} // namespace results
