#include "QtDialogs.h"

#include <algorithm>

namespace platform {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns << pattern.trimmed();
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

namespace {

// The extension of a filter's first pattern, "*.pdf" -> "pdf"; empty for a pattern such as "*.*".
QString extensionOf(const QString& patterns) {
    const QString first = patterns.split(QLatin1Char(';')).constFirst().trimmed();
    const QString ext = first.startsWith(QStringLiteral("*.")) ? first.mid(2) : QString();
    return ext.contains(QLatin1Char('*')) ? QString() : ext.toLower();
}

} // namespace

QString withTypeExtension(const QString& path, const QString& filter, int type) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList extensions;
    for (qsizetype i = 1; i < parts.size(); i += 2)
        extensions << extensionOf(parts[i]);
    if (type < 0 || type >= extensions.size() || extensions[type].isEmpty()) return path;
    const QString wanted = extensions[type];
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString current = dot > slash ? path.mid(dot + 1).toLower() : QString();
    if (current == wanted) return path;
    if (!current.isEmpty() && extensions.contains(current)) return path.left(dot + 1) + wanted;
    return path + QLatin1Char('.') + wanted;
}

} // namespace platform
