#include "RaceResultList.h"

#include "ShownTexts.h"

namespace results {

ResultatLista raceResultList(const race::Race& race, const QString& startDate, const QString& lastFinishDate,
                             const QString& TavlingsNamn) {
    const PanelLookup panel = [&race](int record) {
        const race::ShownTexts shown = race::shownTexts(race.record(record), race.start());
        // A boat without a finish has no sailed or corrected time to list.
        const bool finished = race.record(record).MalTid != 0;
        return PanelTexts{race.entry(record), shown.Start,
                          shown.SlutTid,      finished ? shown.TotTid : QString(),
                          shown.LysTal,       finished ? shown.KorrTid : QString()};
    };
    return ByggResultatRader(race.start(), startDate, lastFinishDate, race.scored(), panel, TavlingsNamn);
}

} // namespace results
