#include "RaceSidecar.h"

#include "FileFailure.h"
#include "RaceFiles.h"
#include "SystemFileQt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace race_data {

namespace {
constexpr int Format = 1;

void readResultText(const QJsonObject& o, SidecarRead& read) {
    ResultText& r = read.sidecar.result;
    if (o.contains(QStringLiteral("club"))) r.club = o.value(QStringLiteral("club")).toString();
    r.heading = o.value(QStringLiteral("heading")).toString();
    r.final = o.value(QStringLiteral("final")).toBool();
    for (const QJsonValue& v : o.value(QStringLiteral("corrections")).toArray()) {
        const QJsonObject c = v.toObject();
        const int row = c.value(QStringLiteral("row")).toInt(-2);
        const int column = c.value(QStringLiteral("column")).toInt(-1);
        if (row < -1 || column < 0 || !c.value(QStringLiteral("text")).isString()) {
            read.problem = QStringLiteral("en rättelse i resultatlistan är inte läsbar");
            continue;
        }
        r.corrections[row][column] = {c.value(QStringLiteral("computed")).toString(),
                                      c.value(QStringLiteral("text")).toString()};
    }
}

QJsonObject resultTextJson(const ResultText& r) {
    QJsonArray corrections;
    for (const auto& [row, cells] : r.corrections)
        for (const auto& [column, c] : cells)
            corrections.append(QJsonObject{{QStringLiteral("row"), row},
                                           {QStringLiteral("column"), column},
                                           {QStringLiteral("computed"), c.computed},
                                           {QStringLiteral("text"), c.text}});
    QJsonObject o{{QStringLiteral("heading"), r.heading},
                  {QStringLiteral("final"), r.final},
                  {QStringLiteral("corrections"), corrections}};
    if (r.club) o.insert(QStringLiteral("club"), *r.club);
    return o;
}

} // namespace

QString sidecarFileName(const QString& dataFil) {
    return sideFileName(dataFil, QStringLiteral("json"));
}

SidecarRead readSidecar(const QString& dataFil) {
    SidecarRead read;
    const QString path = sidecarFileName(dataFil);
    if (sysfile::kindAt(path) == sysfile::Kind::Missing) return read;
    const std::optional<QByteArray> bytes = sysfile::readRegularFile(path);
    if (!bytes) {
        read.problem = QStringLiteral("filen kan inte läsas");
        return read;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(*bytes, &error);
    if (!doc.isObject()) {
        read.problem = QStringLiteral("filen är inte läsbar JSON");
        return read;
    }
    const QJsonObject codes = doc.object().value(QStringLiteral("codes")).toObject();
    for (auto it = codes.begin(); it != codes.end(); ++it) {
        bool number = false;
        const int record = it.key().toInt(&number);
        const QString code = it.value().toString();
        if (!number || record < 1 || code.isEmpty())
            read.problem = QStringLiteral("koden för post \"%1\" är inte läsbar").arg(it.key());
        else
            read.sidecar.codes[record] = code;
    }
    for (const QJsonValue& entry : doc.object().value(QStringLiteral("queue")).toArray()) {
        const int record = entry.toInt(0);
        if (record < 1)
            read.problem = QStringLiteral("finishkön är inte läsbar");
        else
            read.sidecar.queue.push_back(record);
    }
    readResultText(doc.object().value(QStringLiteral("result")).toObject(), read);
    return read;
}

void writeSidecar(const QString& dataFil, const RaceSidecar& sidecar) {
    const QString path = sidecarFileName(dataFil);
    requireReplaceable(path);
    QJsonObject codes;
    for (const auto& [record, code] : sidecar.codes)
        codes.insert(QString::number(record), code);
    QJsonArray queue;
    for (const int record : sidecar.queue)
        queue.append(record);
    const QJsonObject root{{QStringLiteral("format"), Format},
                           {QStringLiteral("codes"), codes},
                           {QStringLiteral("queue"), queue},
                           {QStringLiteral("result"), resultTextJson(sidecar.result)}};
    if (const int error = sysfile::replaceWhole(path, QJsonDocument(root).toJson()))
        throw base::fileFailure(path, error);
}

} // namespace race_data
