#include "Command.h"

#include "ScriptError.h"

#include <QRegularExpression>

namespace script {

void Command::expectArgs(std::size_t n, const char* usage) const {
    if (args.size() != n) throw ScriptError(QStringLiteral("usage: %1").arg(QString::fromUtf8(usage)));
}

long long Command::integer(std::size_t i, long long min, long long max) const {
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,18}$"));
    const QString& t = text(i);
    const long long value = t.toLongLong();
    if (args.at(i).quoted || !decimal.match(t).hasMatch() || value < min || value > max)
        throw ScriptError(QStringLiteral("bad number %1 (expected %2 to %3)").arg(t).arg(min).arg(max));
    return value;
}

} // namespace script
