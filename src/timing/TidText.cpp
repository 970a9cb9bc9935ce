// Duration texts and the corrected-time keys that rank the finished boats.
#include "CalendarDays.h"
#include "RaceTime.h"

#include <algorithm>
#include <cmath>

namespace timing {

namespace {

// After every key of digits, both as plain text and in the Swedish alphabetical order (Ö is its last
// letter), so a damaged time ranks after every real one in the ranking list and in the model alike.
const QString DamagedKey = QStringLiteral("ÖÖÖÖÖÖÖÖ");

QString twoDigits(qint64 n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

// A hair below zero, as double arithmetic may leave it, still rounds to the second 0.
bool isUsableTime(double v) {
    return v > -0.5 / detail::SecondsPerDay && v < detail::EndDay;
}

// The hours come from the floor of the day count and the minutes and seconds from the time of day. An
// exact half second rounds up: a boat is never shown faster than it sailed.
QString TidText(Duration v) {
    if (!isUsableTime(v)) return {};
    double days = std::floor(v);
    qint64 second = detail::roundHalfUp((v - days) * detail::SecondsPerDay);
    if (second >= detail::SecondsPerDay) {
        second -= detail::SecondsPerDay;
        days += 1;
    }
    const qint64 hours = static_cast<qint64>(days) * 24 + second / 3600;
    return QString::number(hours) + QLatin1Char(':') + twoDigits(second / 60 % 60) + QLatin1Char(':') +
           twoDigits(second % 60);
}

QString TidSkillnad(DateTime later, DateTime earlier) {
    return TidText(later - earlier);
}

QString korrTidKey(const QString& tidText) {
    QString key = tidText;
    key.remove(QLatin1Char(':'));
    const bool digitsOnly =
        !key.isEmpty() && std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c.isDigit(); });
    return digitsOnly ? key.rightJustified(8, QLatin1Char('0')) : DamagedKey;
}

QString rankingKey(Duration korrigeradTid) {
    return korrTidKey(TidText(korrigeradTid));
}

} // namespace timing
