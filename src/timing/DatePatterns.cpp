// Date-times as text in the desk's patterns, with Swedish day and month names.
#include "CalendarDays.h"
#include "DateTimeReader.h"
#include "RaceTime.h"
#include "SwedishNames.h"

#include <vector>

namespace timing {

namespace {

struct Moment {
    detail::CivilDate date;
    int weekday = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// A run of one pattern letter ("yyyy", "mm"), or literal text when letter is null.
struct Token {
    QChar letter;
    int run = 0;
    QString literal;
};

const QString FieldLetters = QStringLiteral("ymdhns");

std::vector<Token> tokenize(const QString& pattern) {
    std::vector<Token> tokens;
    for (qsizetype i = 0; i < pattern.size();) {
        qsizetype end = i + 1;
        while (end < pattern.size() && pattern[end] == pattern[i])
            ++end;
        if (FieldLetters.contains(pattern[i]))
            tokens.push_back({pattern[i], static_cast<int>(end - i), {}});
        else
            tokens.push_back({QChar(), 0, pattern.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

// The nearest field letter before (step -1) or after (step 1) the token at, literal text skipped; going
// back past the first token wraps the unsigned index beyond the end, which ends the walk.
QChar neighbourLetter(const std::vector<Token>& tokens, std::size_t at, int step) {
    for (std::size_t i = at + step; i < tokens.size(); i += step)
        if (!tokens[i].letter.isNull()) return tokens[i].letter;
    return {};
}

// "m" and "mm" are minutes next to an hour before or a second after them ("hh:mm:ss"), months elsewhere.
bool isMinute(const std::vector<Token>& tokens, std::size_t at) {
    return tokens[at].letter == QLatin1Char('m') && tokens[at].run <= 2 &&
           (neighbourLetter(tokens, at, -1) == QLatin1Char('h') ||
            neighbourLetter(tokens, at, 1) == QLatin1Char('s'));
}

QString padded(qint64 n, int width) {
    return QString::number(n).rightJustified(width, QLatin1Char('0'));
}

// The text of one field; no value for a run that is no field ("ddd"), which is then kept as it stands.
std::optional<QString> fieldText(const Token& token, const Moment& m, bool minute) {
    const int run = token.run;
    switch (token.letter.unicode()) {
    case 'y':
        if (run == 4) return padded(m.date.year, 4);
        if (run == 2) return padded(m.date.year % 100, 2);
        break;
    case 'm':
        if (run <= 2) return padded(minute ? m.minute : m.date.month, run);
        if (run == 3) return detail::monthAbbreviation(m.date.month);
        if (run == 4) return detail::monthName(m.date.month);
        break;
    case 'd':
        if (run <= 2) return padded(m.date.day, run);
        if (run == 4) return detail::weekdayName(m.weekday);
        break;
    case 'h':
        if (run <= 2) return padded(m.hour, run);
        break;
    case 'n':
        if (run <= 2) return padded(m.minute, run);
        break;
    case 's':
        if (run <= 2) return padded(m.second, run);
        break;
    }
    return std::nullopt;
}

} // namespace

// A date-time outside the years 100 to 9999, NaN or infinite, gives an empty text.
QString formatDate(DateTime d, const QString& pattern) {
    const auto split = detail::splitDateTime(d);
    if (!split) return {};
    const Moment moment{detail::civilFromDays(split->day), detail::weekdayIndex(split->day),
                        split->second / 3600, split->second / 60 % 60, split->second % 60};
    const std::vector<Token> tokens = tokenize(pattern);
    QString text;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.letter.isNull())
            text += token.literal;
        else
            text += fieldText(token, moment, isMinute(tokens, i)).value_or(QString(token.run, token.letter));
    }
    return text;
}

QString clockText(DateTime d) {
    return formatDate(d, QStringLiteral("hh:mm:ss"));
}

QString dateText(DateTime d) {
    return formatDate(d, QStringLiteral("yyyy-mm-dd"));
}

// A word starts after any blank, so "lördag 5 juli" becomes "Lördag 5 Juli".
QString properCase(const QString& text) {
    QString result;
    result.reserve(text.size());
    bool wordStart = true;
    for (const QChar c : text) {
        result += wordStart ? c.toUpper() : c.toLower();
        wordStart = c.isSpace();
    }
    return result;
}

QString captionDate(DateTime d) {
    return properCase(formatDate(d, QStringLiteral("dddd d mmmm yyyy")));
}

QString monthDayText(const QString& dateText) {
    const auto t = detail::readCalendarTime(dateText);
    return t ? formatDate(toOleDate(*t), QStringLiteral("mmm-dd")) : QString();
}

} // namespace timing
