#include "SwedishOrder.h"

#include <QCollator>
#include <QLocale>

namespace base {

int compareSwedish(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Swedish, QLocale::Sweden)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

} // namespace base
