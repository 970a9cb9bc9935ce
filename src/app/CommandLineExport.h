#pragma once
// brisrundan --export OUT.{html,csv,pdf} RACE.dat: the result list of a race file written to a file
// without showing a window, for scripts and the club's web master.
#include "Race.h"
#include "ResultExport.h"

namespace cli {

bool isExportCommand(int argc, char** argv);

// Writes OUT and returns 0, printing nothing; or prints one Swedish line on stderr and returns 1.
int runExportCommand(int argc, char** argv);

// The result list that "ResultatLista" shows right after the desk has started on this race: every boat
// as the race scores it with the officer's corrections, heading, club (else defaultClub) and final mark.
results::ResultExport startupResultList(race::Race& race, const QString& TavlingsNamn,
                                        timing::DateTime written, const QString& defaultClub);

} // namespace cli
