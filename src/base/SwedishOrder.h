#pragma once
// The desk's alphabetical order: Swedish, ignoring case (a..z, then å ä ö). The sorted lists and the
// race model order entries by it, so a position in one is the same entry's position in the other.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace base {

// Negative, zero or positive, as a before b, equal, or after.
int compareSwedish(const QString& a, const QString& b);

// Where a sorted list shows texts added to it one by one: indexes into texts, in list order. A text
// goes after the ones before it in Swedish order and before the equal ones already there, unless the
// list keeps equal texts in adding order.
std::vector<std::size_t> sortedListOrder(const QStringList& texts, bool keepAddingOrder = false);

} // namespace base
