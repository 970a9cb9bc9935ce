#include "RaceResultList.h"

#include "ResultCorrections.h"
#include "ResultHeading.h"
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

ResultExport raceResultExport(const race::Race& race, const QString& TavlingsNamn, timing::DateTime written,
                              const QString& defaultClub) {
    const race_data::ResultText& text = race.resultText();
    ResultExport list;
    list.clubName = text.club.value_or(defaultClub);
    list.heading = text.heading.isEmpty() ? honestHeading(TavlingsNamn, race.start()) : text.heading;
    list.final = text.final;
    list.written = written;
    if (!(race.start() > 0)) return list;
    // The finish date of the boat last queued closes the title row, as the result window shows it.
    const QString lastFinishDate =
        race.queue().empty()
            ? QString()
            : race::shownTexts(race.record(race.queue().back().record), race.start()).finishDate;
    ResultatLista rows = raceResultList(race, timing::dateText(race.start()), lastFinishDate, TavlingsNamn);
    applyCorrections(rows, text);
    list.rows = std::move(rows.rows);
    return list;
}

} // namespace results
