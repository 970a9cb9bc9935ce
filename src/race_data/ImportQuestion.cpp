#include "ImportQuestion.h"

namespace race_data {

namespace {

QString boats(std::size_t n) {
    return n == 1 ? QStringLiteral("1 båt") : QStringLiteral("%1 båtar").arg(n);
}

QString lines(std::size_t n) {
    return n == 1 ? QStringLiteral("1 rad") : QStringLiteral("%1 rader").arg(n);
}

// The heading, then each line with what is said about it, the first ListedRefusals of them.
template <class Line, class Text>
QString linesPart(const QString& heading, const std::vector<Line>& noted, Text text) {
    QString part = heading;
    const std::size_t listed = std::min<std::size_t>(noted.size(), ListedRefusals);
    for (std::size_t i = 0; i < listed; ++i)
        part += QStringLiteral("\r\nRad %1: %2").arg(noted[i].line).arg(text(noted[i]));
    if (noted.size() > listed) part += QStringLiteral("\r\n... och %1 till").arg(noted.size() - listed);
    return part;
}

} // namespace

QString importQuestion(const EntryList& list, const QString& TavlingsNamn) {
    QString text = list.entries.empty()
                       ? QStringLiteral("Ingen båt kan läggas till i %1.").arg(TavlingsNamn)
                       : QStringLiteral("%1 läggs till i %2.").arg(boats(list.entries.size()), TavlingsNamn);
    if (!list.refused.empty())
        text += QStringLiteral("\r\n\r\n") +
                linesPart(lines(list.refused.size()) + QStringLiteral(" tas inte med:"), list.refused,
                          [](const RefusedLine& r) { return r.reasonText; });
    if (!list.adjusted.empty())
        text += QStringLiteral("\r\n\r\n") +
                linesPart(
                    lines(list.adjusted.size()) +
                        QStringLiteral(" sparas inte exakt som i filen (för långa texter kortas, och tecken "
                                       "som inte kan sparas blir ?):"),
                    list.adjusted, [](const AdjustedLine& a) { return a.changes; });
    if (!list.entries.empty())
        text += list.entries.size() == 1 ? QStringLiteral("\r\n\r\nVill du lägga till den?")
                                         : QStringLiteral("\r\n\r\nVill du lägga till dem?");
    return text;
}

} // namespace race_data
