#pragma once
// The result list of an open race, built from the race itself: every boat as the race scores it, shown
// as the participant panel would show it, without selecting any boat on the desk.
#include "Race.h"
#include "ResultExport.h"
#include "ResultList.h"

namespace results {

// startDate and lastFinishDate as the desk hands them over ("yyyy-mm-dd", the latter may be empty).
ResultatLista raceResultList(const race::Race& race, const QString& startDate, const QString& lastFinishDate,
                             const QString& TavlingsNamn);

// The list as it leaves the desk without a window: every boat as the race scores it with the officer's
// corrections laid over, the typed heading or the race's name and date, the race's club (else
// defaultClub) and its final mark. No rows without a start.
ResultExport raceResultExport(const race::Race& race, const QString& TavlingsNamn, timing::DateTime written,
                              const QString& defaultClub);

} // namespace results
