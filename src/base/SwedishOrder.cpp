#include "SwedishOrder.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace base {

int compareSwedish(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Swedish, QLocale::Sweden)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

std::vector<std::size_t> sortedListOrder(const QStringList& texts, bool keepAddingOrder) {
    std::vector<std::size_t> order(std::size_t(texts.size()));
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto before = [&texts](std::size_t a, std::size_t b) {
        return compareSwedish(texts[qsizetype(a)], texts[qsizetype(b)]) < 0;
    };
    std::stable_sort(order.begin(), order.end(), before);
    if (keepAddingOrder) return order;
    for (auto run = order.begin(); run != order.end();) {
        const auto end = std::find_if(run, order.end(), [&](std::size_t e) { return before(*run, e); });
        std::reverse(run, end);
        run = end;
    }
    return order;
}

} // namespace base
