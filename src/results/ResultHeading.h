#pragma once
// The heading a result list carries when the officer has typed none: the race's name and the day it
// was sailed, "Höstrundan, lördag 5 juli 2003"; the name alone for a race not yet started.
#include "RaceTime.h"

#include <QString>

namespace results {

QString honestHeading(const QString& raceName, timing::DateTime start);

} // namespace results
