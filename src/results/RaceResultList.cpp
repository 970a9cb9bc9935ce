#include "RaceResultList.h"

#include "ResultCorrections.h"
#include "ResultHeading.h"
#include "ShownTexts.h"

namespace results {

namespace {

// A race of one group is one section; several groups are each a section of their own, followed by
// "Totalt" when the officer asks for it.
std::vector<ScoredSection> scoredSections(const race::Race& race) {
    if (!race.severalGroups()) return {ScoredSection{{}, {}, false, race.scored()}};
    std::vector<ScoredSection> sections;
    for (race::Race::ScoredGroup& group : race.scoredByGroup())
        sections.push_back({groupTitle(group.name), groupHeading(group.name, race.groupStart(group.name)),
                            false, std::move(group.boats)});
    if (race.resultText().total) sections.push_back(totalSection(race.scored()));
    return sections;
}

} // namespace

ResultatLista raceResultList(const race::Race& race, const QString& startDate, const QString& lastFinishDate,
                             const QString& TavlingsNamn) {
    const PanelLookup panel = [&race](int record) {
        // Each boat is timed from its own group's gun.
        const race::ShownTexts shown = race::shownTexts(race.record(record), race.startOf(record));
        // A boat without a finish has no sailed or corrected time to list.
        const bool finished = race.record(record).MalTid != 0;
        return PanelTexts{race.entry(record), shown.Start,
                          shown.SlutTid,      finished ? shown.TotTid : QString(),
                          shown.LysTal,       finished ? shown.KorrTid : QString()};
    };
    return ByggResultatRader(race.start(), startDate, lastFinishDate, scoredSections(race), panel,
                             TavlingsNamn);
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
    list.sections = std::move(rows.sections);
    return list;
}

} // namespace results
