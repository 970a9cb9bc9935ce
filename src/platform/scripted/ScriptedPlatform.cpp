#include "ScriptedPlatform.h"

#include <QJsonObject>

namespace platform {

void ScriptedSound::play(const QString& path) {
    log_.write(
        QJsonObject{{QStringLiteral("event"), QStringLiteral("sound")}, {QStringLiteral("path"), path}});
}

} // namespace platform
