#pragma once
// The desk's alphabetical order: Swedish, ignoring case (a..z, then å ä ö). The sorted lists and the
// race model order entries by it, so a position in one is the same entry's position in the other.
#include <QString>

namespace base {

// Negative, zero or positive, as a before b, equal, or after.
int compareSwedish(const QString& a, const QString& b);

} // namespace base
