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

void addRow(ResultatLista& list, ResultatRad row, int key, const RowSection* section) {
    list.rows.push_back(std::move(row));
    list.keys.push_back(key);
    if (section) list.sections.push_back(*section);
}

} // namespace

QString groupTitle(const QString& group) {
    return group.isEmpty() ? QStringLiteral("Utan startgrupp") : group;
}

QString groupHeading(const QString& group, timing::DateTime start) {
    return groupTitle(group) + (start > 0 ? QStringLiteral("  start ") + timing::clockText(start)
                                          : QStringLiteral("  ej startad"));
}

ScoredSection totalSection(std::vector<race::ScoredBoat> boats) {
    return {QStringLiteral("Totalt"), QStringLiteral("Totalt"), true, std::move(boats)};
}

ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<ScoredSection>& sections,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn) {
    const bool sectioned = sections.size() > 1;
    std::size_t boats = 0;
    for (const ScoredSection& s : sections)
        boats += s.boats.size();
    ResultatLista list;
    list.rows.reserve(boats + sections.size() + 2);
    list.keys.reserve(boats + sections.size() + 2);
    const RowSection above;
    addRow(list, titleRow(startDate, lastFinishDate), TitleRow, sectioned ? &above : nullptr);
    addRow(list, ResultatRad{}, BlankRow, sectioned ? &above : nullptr);
    list.caption = QStringLiteral("ResultatLista  Fil  ") + TavlingsNamn + QStringLiteral("      ") +
                   timing::captionDate(GemensamStart);
    for (const ScoredSection& s : sections) {
        RowSection section{s.name, true, s.total};
        if (sectioned) addRow(list, ResultatRad{s.heading}, SectionRow, &section);
        section.heading = false;
        for (const race::ScoredBoat& boat : s.boats)
            addRow(list, boatRow(panelTexts(boat.record), boat), boat.record, sectioned ? &section : nullptr);
    }
    return list;
}

ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<race::ScoredBoat>& scored,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn) {
    return ByggResultatRader(GemensamStart, startDate, lastFinishDate, {ScoredSection{{}, {}, false, scored}},
                             panelTexts, TavlingsNamn);
}

} // namespace results
