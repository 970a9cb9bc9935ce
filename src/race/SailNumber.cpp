#include "SailNumber.h"

#include "Scoring.h"

#include "Race.h"

#include <algorithm>

namespace race {

namespace {

bool isBlankOrDash(QChar c) {
    return c.isSpace() || c.isNull() || c.category() == QChar::Punctuation_Dash;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString digitsOf(const QString& key) {
    QString digits;
    for (const QChar c : key)
        if (isDigit(c)) digits += c;
    return digits;
}

// The typed text, made ready once for comparing with every participant's id.
struct Typed {
    QString key;
    bool allDigits = false;
};

Typed typedKey(const QString& typed) {
    Typed t{sailNumberKey(typed), false};
    t.allDigits = !t.key.isEmpty() && std::all_of(t.key.begin(), t.key.end(), isDigit);
    return t;
}

bool matches(const QString& segelId, const Typed& typed) {
    if (typed.key.isEmpty()) return false;
    const QString id = sailNumberKey(segelId);
    return id == typed.key || (typed.allDigits && digitsOf(id) == typed.key);
}

} // namespace

QString sailNumberKey(const QString& text) {
    QString key;
    key.reserve(text.size());
    for (const QChar c : text)
        if (!isBlankOrDash(c)) key += c;
    return key.toCaseFolded();
}

bool sailIdMatches(const QString& segelId, const QString& typed) {
    return matches(segelId, typedKey(typed));
}

std::vector<int> findSailNumber(const Race& race, const QString& typed) {
    const Typed t = typedKey(typed);
    std::vector<int> found;
    std::vector<int> exact;
    if (t.key.isEmpty()) return found;
    for (const int n : race.liveRecords()) {
        if (!matches(race.record(n).SegelId, t)) continue;
        found.push_back(n);
        if (sailNumberKey(race.record(n).SegelId) == t.key) exact.push_back(n);
    }
    // A whole sail id typed finds its boat even when others share its digits: "27" is not "SWE 27".
    return exact.empty() ? found : exact;
}

SailCommand sailCommand(const QString& typed) {
    const QString text = typed.trimmed();
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
    if (blank < 0) return {text, {}, {}, false};
    const QString last = text.mid(blank + 1);
    const QString number = text.left(blank).trimmed();
    if (last == QLatin1String("-")) return {number, {}, {}, true};
    if (const std::optional<QString> code = scoringCode(last)) return {number, *code, {}, false};
    // A sail id holds no colon: a last part with one is a time of day.
    if (last.contains(QLatin1Char(':'))) return {number, {}, last, false};
    return {text, {}, {}, false};
}

} // namespace race
