#include "ShownTexts.h"

#include "RaceTime.h"

#include <cmath>

namespace race {

namespace {
const QString NoTime = QStringLiteral("--:--:--");
}

QString trimBlanks(const QString& text) {
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c.isNull(); };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

QString entryText(const DeltagarPost& post) {
    return trimBlanks(race_data::storedText(post.Namn, race_data::NamnWidth)) + QStringLiteral(" , ") +
           trimBlanks(race_data::storedText(post.SegelId, race_data::SegelIdWidth));
}

ShownTexts shownTexts(const DeltagarPost& post, double raceStart) {
    ShownTexts t;
    t.Namn = trimBlanks(post.Namn);
    t.SegelId = trimBlanks(post.SegelId);
    t.BTyp = trimBlanks(post.BTyp);
    t.LysTal = timing::lysTalText(post.LysTal);
    // A damaged time (not finite, negative, out of the calendar) shows as empty.
    const auto clock = [](double v) { return timing::isUsableTime(v) ? timing::clockText(v) : QString(); };
    t.Start = raceStart == 0 ? NoTime : clock(post.StartTid);
    if (post.MalTid == 0) {
        t.SlutTid = NoTime;
    } else {
        t.SlutTid = clock(post.MalTid);
        if (timing::isUsableTime(post.MalTid) && std::floor(post.MalTid) != 0)
            t.finishDate = timing::dateText(post.MalTid);
    }
    t.TotTid = timing::TidText(post.SeglTid);
    t.KorrTid = timing::TidText(post.KorrigeradTid);
    return t;
}

DeltagarPost asSavedFromPanel(const DeltagarPost& post, double raceStart) {
    DeltagarPost saved = post;
    saved.Namn = trimBlanks(post.Namn);
    saved.SegelId = trimBlanks(post.SegelId);
    saved.BTyp = trimBlanks(post.BTyp);
    saved.LysTal = timing::readLysTal(timing::lysTalText(post.LysTal)).value_or(0.0f);
    saved.StartTid = raceStart;
    saved.Borttagen = 0;
    return saved;
}

} // namespace race
