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

ResultatRad boatRow(const PanelTexts& panel, const race::ScoredBoat& scored) {
    return ResultatRad{panel.entry,  panel.Start,   panel.SlutTid, panel.TotTid,
                       panel.LysTal, panel.KorrTid, scored.place,  scored.points};
}

} // namespace

ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<race::ScoredBoat>& scored,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn) {
    ResultatLista list;
    list.rows.reserve(scored.size() + 2);
    list.rows.push_back(titleRow(startDate, lastFinishDate));
    list.rows.push_back(ResultatRad{});
    list.keys = {TitleRow, BlankRow};
    list.caption = QStringLiteral("ResultatLista  Fil  ") + TavlingsNamn + QStringLiteral("      ") +
                   timing::captionDate(GemensamStart);
    for (const race::ScoredBoat& boat : scored) {
        list.rows.push_back(boatRow(panelTexts(boat.record), boat));
        list.keys.push_back(boat.record);
    }
    return list;
}

} // namespace results
