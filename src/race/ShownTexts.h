#pragma once
// How the desk shows a participant: the trimmed record texts, the LYS number with two decimals, the
// clock and duration texts of its times, and its list entry. The participant panel and the result list
// both show a boat through these, so the two never disagree.
#include "DeltagarPost.h"

#include <QString>

namespace race {

// Removes leading and trailing blanks only, as the desk trims record fields and comments. NUL bytes
// count as blanks: a record read past the end of a damaged file is all zero bytes.
QString trimBlanks(const QString& text);

// A participant's list entry, made from its record as the file gives it back: the name and the sail id
// cut to their widths, a character Windows-1252 lacks as "?", trimmed, joined by " , ". Every list of
// the desk shows a boat by this one text, so it reads and sorts the same before and after a restart.
QString entryText(const DeltagarPost& post);

struct ShownTexts {
    QString Namn, SegelId, BTyp, LysTal;
    QString Start;      // "--:--:--" while the race has no start
    QString SlutTid;    // "--:--:--" without a finish
    QString finishDate; // "yyyy-mm-dd", empty when the finish has no day part
    QString TotTid, KorrTid;
};

ShownTexts shownTexts(const DeltagarPost& post, double raceStart);

// The record as it is stored when it is shown and saved again unchanged: texts trimmed, the LYS number
// read back through its two-decimal text, the start of the race.
DeltagarPost asSavedFromPanel(const DeltagarPost& post, double raceStart);

} // namespace race
