#include "ScriptedPlatform.h"

#include <QJsonObject>

namespace platform {

void ScriptedSound::play(const QString& path) {
    log_.write(
        QJsonObject{{QStringLiteral("event"), QStringLiteral("sound")}, {QStringLiteral("path"), path}});
}

void ScriptedPublishing::published(const QString& url) {
    log_.write(
        QJsonObject{{QStringLiteral("event"), QStringLiteral("published")}, {QStringLiteral("url"), url}});
}

void ScriptedPublishing::unpublished() {
    log_.write(QJsonObject{{QStringLiteral("event"), QStringLiteral("unpublished")}});
}

} // namespace platform
