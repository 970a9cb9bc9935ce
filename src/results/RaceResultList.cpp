#include "RaceResultList.h"

#include "ShownTexts.h"

namespace results {

ResultatLista raceResultList(const race::Race& race, const QString& startDate, const QString& lastFinishDate,
                             const QString& TavlingsNamn) {
    std::vector<RankingEntry> ranking;
    ranking.reserve(race.ranking().size());
    for (const race::Ranking::Entry& e : race.ranking())
        ranking.push_back({e.key, e.record});
    const PanelLookup panel = [&race](int record) {
        const race::ShownTexts shown = race::shownTexts(race.record(record), race.start());
        return PanelTexts{race.entry(record), shown.Start,  shown.SlutTid,
                          shown.TotTid,       shown.LysTal, shown.KorrTid};
    };
    return ByggResultatRader(race.start(), startDate, lastFinishDate, ranking, panel, TavlingsNamn);
}

} // namespace results
