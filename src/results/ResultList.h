#pragma once
// The result list as the result window shows it and the printer prints it: a title row, an empty row
// and one row per boat as the race scores it. In a race of several start groups the boats stand in
// sections, each opened by a heading row: every group with its own places, then "Totalt" when the
// officer asks for it. Built without any window.
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

// What a row of the list stands for: a boat by its record number, or one of the rows that are no boat.
constexpr int TitleRow = 0;
constexpr int BlankRow = -1;
constexpr int SectionRow = -2; // a section's heading

// The section a row stands in. Empty above the boats.
struct RowSection {
    QString name;         // the group's name as listed ("SRS A", "Utan startgrupp"), or "Totalt"
    bool heading = false; // the section's heading row: its text in the name cell, the other cells empty
    bool total = false;   // a row of "Totalt", where all boats are ranked together
    bool operator==(const RowSection&) const = default;
};

struct ResultatLista {
    std::vector<ResultatRad> rows;
    std::vector<int> keys; // one per row: TitleRow, BlankRow, SectionRow or a boat's record number
    // One per row in a race of several start groups; empty in a race of one, which has no sections.
    std::vector<RowSection> sections;
    QString caption;
};

// One section as the race scores it: a start group, or "Totalt".
struct ScoredSection {
    QString name;
    QString heading; // "SRS A  start 10:00:00"
    bool total = false;
    std::vector<race::ScoredBoat> boats;
};

// The boats of no named group, in a race where the others have names.
QString groupTitle(const QString& group);
// "SRS A  start 10:00:00", "SRS C  ej startad".
QString groupHeading(const QString& group, timing::DateTime start);
// All boats ranked together, after the groups.
ScoredSection totalSection(std::vector<race::ScoredBoat> boats);

// startDate and lastFinishDate are "yyyy-mm-dd" texts (lastFinishDate may be empty). The lookup runs
// once per listed boat, in their order. One section gives the plain list, without a heading.
ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<ScoredSection>& sections,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn);
// The list of a race of one group.
ResultatLista ByggResultatRader(timing::DateTime GemensamStart, const QString& startDate,
                                const QString& lastFinishDate, const std::vector<race::ScoredBoat>& scored,
                                const PanelLookup& panelTexts, const QString& TavlingsNamn);

} // namespace results
