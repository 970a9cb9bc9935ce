#include "JsonLinesLog.h"

#include <QJsonDocument>

namespace script {

QByteArray JsonLinesLog::line(const QJsonObject& event) {
    QJsonObject rest = event;
    const QJsonValue name = rest.take(QStringLiteral("event"));
    const QByteArray body = QJsonDocument(rest).toJson(QJsonDocument::Compact);
    if (name.isUndefined()) return body;
    QByteArray head =
        QJsonDocument(QJsonObject{{QStringLiteral("event"), name}}).toJson(QJsonDocument::Compact);
    if (rest.isEmpty()) return head;
    head.chop(1);
    return head + ',' + body.mid(1);
}

void JsonLinesLog::write(const QJsonObject& event) {
    QByteArray text = line(event);
    text += '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), out_);
    std::fflush(out_);
}

} // namespace script
