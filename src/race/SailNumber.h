#pragma once
// Finding a boat by the sail number the operator reads off its sail and types: the typed text and each
// participant's SegelId are compared without blanks and dashes and ignoring case. A text of digits
// alone also finds an id whose digits are those digits ("4410" finds "SWE 4410" and "S-4410").
#include <QString>
#include <vector>

namespace race {

class Race;

// The text as it is compared: blanks (NUL padding included) and dashes removed, case folded.
QString sailNumberKey(const QString& text);

// Whether the participant's sail id is the one typed; an empty typed text matches no id.
bool sailIdMatches(const QString& segelId, const QString& typed);

// The live participants whose sail id is the one typed, in record order: none, exactly one, or several.
// Boats whose whole id is the typed text come before those that only share its digits: when there are
// any, only they are found.
std::vector<int> findSailNumber(const Race& race, const QString& typed);

// What the sail-number box was asked: a finish ("4410"), a scoring code ("4410 DNF", any case), or a
// finish or code taken back ("4410 -").
struct SailCommand {
    QString number;
    QString code;          // set for a code
    QString time;          // set for a typed finish time ("4410 12:04:10")
    bool takeBack = false; // "-"
};
SailCommand sailCommand(const QString& typed);

} // namespace race
