#include "ResultHeading.h"

namespace results {

QString honestHeading(const QString& raceName, timing::DateTime start) {
    if (!(start > 0)) return raceName;
    return raceName + QStringLiteral(", ") + timing::formatDate(start, QStringLiteral("dddd d mmmm yyyy"));
}

} // namespace results
