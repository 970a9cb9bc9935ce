#pragma once
// The result list of an open race, built from the race itself: every boat as the race scores it, shown
// as the participant panel would show it, without selecting any boat on the desk.
#include "Race.h"
#include "ResultList.h"

namespace results {

// startDate and lastFinishDate as the desk hands them over ("yyyy-mm-dd", the latter may be empty).
ResultatLista raceResultList(const race::Race& race, const QString& startDate, const QString& lastFinishDate,
                             const QString& TavlingsNamn);

} // namespace results
