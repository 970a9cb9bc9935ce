#include "Scoring.h"

namespace race {

namespace {

// Points with a decimal comma, without decimals when whole.
QString pointsText(int twice) {
    return twice % 2 == 0 ? QString::number(twice / 2) : QString::number(twice / 2) + QStringLiteral(",5");
}

} // namespace

const QStringList& scoringCodes() {
    static const QStringList codes{QStringLiteral("DNC"), QStringLiteral("DNS"), QStringLiteral("OCS"),
                                   QStringLiteral("DNF"), QStringLiteral("RET"), QStringLiteral("DSQ"),
                                   QStringLiteral("NSC"), QStringLiteral("UFD"), QStringLiteral("BFD"),
                                   QStringLiteral("DNE")};
    return codes;
}

std::optional<QString> scoringCode(const QString& typed) {
    const QString code = typed.trimmed().toUpper();
    if (scoringCodes().contains(code)) return code;
    return std::nullopt;
}

std::vector<ScoredBoat> scoreRace(const std::vector<Finisher>& finishers, const std::vector<Coded>& coded,
                                  const std::vector<int>& neither, int entered) {
    std::vector<ScoredBoat> scored;
    scored.reserve(finishers.size() + coded.size() + neither.size());
    for (std::size_t first = 0; first < finishers.size();) {
        std::size_t end = first + 1;
        while (end < finishers.size() && finishers[end].key == finishers[first].key)
            ++end;
        const bool tie = end - first > 1;
        const QString place = QString::number(first + 1) + (tie ? QStringLiteral("=") : QString());
        // The places first + 1 .. end shared: their average, counted in halves.
        const QString points = pointsText(int(first + 1 + end));
        for (std::size_t i = first; i < end; ++i)
            scored.push_back({finishers[i].record, place, points});
        first = end;
    }
    for (const Coded& c : coded)
        scored.push_back({c.record, c.code, QString::number(entered + 1)});
    for (const int n : neither)
        scored.push_back({n, {}, {}});
    return scored;
}

} // namespace race
