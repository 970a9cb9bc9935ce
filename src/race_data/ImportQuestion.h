#pragma once
// The question the desk asks before it adds imported boats to a race.
#include "EntryImport.h"

#include <QString>

namespace race_data {

// At most this many refused lines, and as many changed ones, are listed; the rest are counted.
constexpr int ListedRefusals = 15;

// How many boats will be added to which race, then each refused line with its reason, and the question.
QString importQuestion(const EntryList& list, const QString& TavlingsNamn);

} // namespace race_data
