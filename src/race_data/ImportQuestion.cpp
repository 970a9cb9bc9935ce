#include "ImportQuestion.h"

namespace race_data {

namespace {

QString boats(std::size_t n) {
    return n == 1 ? QStringLiteral("1 båt") : QStringLiteral("%1 båtar").arg(n);
}

QString refusedPart(const std::vector<RefusedLine>& refused) {
    const QString count =
        refused.size() == 1 ? QStringLiteral("1 rad") : QStringLiteral("%1 rader").arg(refused.size());
    QString text = count + QStringLiteral(" tas inte med:");
    const std::size_t listed = std::min<std::size_t>(refused.size(), ListedRefusals);
    for (std::size_t i = 0; i < listed; ++i)
        text += QStringLiteral("\r\nRad %1: %2").arg(refused[i].line).arg(refused[i].reasonText);
    if (refused.size() > listed) text += QStringLiteral("\r\n... och %1 till").arg(refused.size() - listed);
    return text;
}

} // namespace

QString importQuestion(const EntryList& list, const QString& TavlingsNamn) {
    QString text = list.entries.empty()
                       ? QStringLiteral("Ingen båt kan läggas till i %1.").arg(TavlingsNamn)
                       : QStringLiteral("%1 läggs till i %2.").arg(boats(list.entries.size()), TavlingsNamn);
    if (!list.refused.empty()) text += QStringLiteral("\r\n\r\n") + refusedPart(list.refused);
    if (!list.entries.empty())
        text += list.entries.size() == 1 ? QStringLiteral("\r\n\r\nVill du lägga till den?")
                                         : QStringLiteral("\r\n\r\nVill du lägga till dem?");
    return text;
}

} // namespace race_data
