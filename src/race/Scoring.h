#pragma once
// Low-point scoring of one race: 1st scores 1, 2nd 2 ...; boats with the same corrected second share the
// place ("3=") and the average of the points it spans; a boat with a scoring code scores the boats
// entered + 1. Pure rules, without files or widgets.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace race {

// The codes that score the boats entered + 1: DNC DNS OCS DNF RET DSQ NSC UFD BFD DNE.
const QStringList& scoringCodes();
// The code typed in any case, or nothing when it is not one of them.
std::optional<QString> scoringCode(const QString& typed);

struct Finisher {
    int record = 0;
    QString key; // the corrected time's ranking key: equal keys are a tie
};
struct Coded {
    int record = 0;
    QString code;
};
struct ScoredBoat {
    int record = 0;
    QString place;  // "1", "3=", a code, or empty
    QString points; // "1", "2,5", or empty
};

// The finishers in ranking order, then the coded boats, then the boats with neither, in the order given.
std::vector<ScoredBoat> scoreRace(const std::vector<Finisher>& finishers, const std::vector<Coded>& coded,
                                  const std::vector<int>& neither, int entered);

} // namespace race
