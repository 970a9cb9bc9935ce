#pragma once
// A scored list as one line, "record place points" per boat, so a test compares it with a hand-worked line.
#include "Scoring.h"

#include <QStringList>

inline QString scoredText(const std::vector<race::ScoredBoat>& boats) {
    QStringList parts;
    for (const race::ScoredBoat& b : boats)
        parts << QStringLiteral("%1 %2 %3").arg(b.record).arg(b.place, b.points).trimmed();
    return parts.join(QStringLiteral("; "));
}
