#pragma once
// The texts a freshly loaded result window shows: the club name and the print heading's invitation.
#include <QString>

namespace results {

inline QString designClubName() {
    return QStringLiteral("V å r   B å t k l u b b");
}

inline QString designHeading() {
    return QStringLiteral("Rubrik till utskriften skriver du här.  Tryck <Enter> när du är klar");
}

} // namespace results
