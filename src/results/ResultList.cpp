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

ResultatRad boatRow(const PanelTexts& panel, int place) {
    return ResultatRad{panel.entry,  panel.Start,   panel.SlutTid,         panel.TotTid,
                       panel.LysTal, panel.KorrTid, QString::number(place)};
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
    int place = 0;
    for (const RankingEntry& entry : ranking)
        list.rows.push_back(boatRow(panelTexts(entry.record), ++place));
    return list;
}

} // namespace results
