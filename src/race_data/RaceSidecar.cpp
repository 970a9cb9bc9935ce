#include "RaceSidecar.h"

#include "FileFailure.h"
#include "RaceFiles.h"
#include "SystemFileQt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace race_data {

namespace {
constexpr int Format = 1;

void readResultText(const QJsonObject& o, SidecarRead& read) {
    ResultText& r = read.sidecar.result;
    if (o.contains(QStringLiteral("club"))) r.club = o.value(QStringLiteral("club")).toString();
    r.heading = o.value(QStringLiteral("heading")).toString();
    r.final = o.value(QStringLiteral("final")).toBool();
    r.total = o.value(QStringLiteral("total")).toBool();
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

void readGroups(const QJsonObject& o, SidecarRead& read) {
    StartGroups& g = read.sidecar.groups;
    for (const QJsonValue& name : o.value(QStringLiteral("order")).toArray())
        if (!name.toString().isEmpty()) g.order.push_back(name.toString());
    const QJsonObject of = o.value(QStringLiteral("groupOf")).toObject();
    for (auto it = of.begin(); it != of.end(); ++it) {
        bool number = false;
        const int record = it.key().toInt(&number);
        const QString name = it.value().toString();
        if (!number || record < 1 || name.isEmpty()) {
            read.problem = QStringLiteral("startgruppen för post \"%1\" är inte läsbar").arg(it.key());
            continue;
        }
        g.groupOf[record] = name;
        // A group named by a boat but missing from the order still gets its place, last.
        if (std::find(g.order.begin(), g.order.end(), name) == g.order.end()) g.order.push_back(name);
    }
}

QJsonObject groupsJson(const StartGroups& g) {
    QJsonArray order;
    for (const QString& name : g.order)
        order.append(name);
    QJsonObject of;
    for (const auto& [record, name] : g.groupOf)
        of.insert(QString::number(record), name);
    return QJsonObject{{QStringLiteral("order"), order}, {QStringLiteral("groupOf"), of}};
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
                  {QStringLiteral("total"), r.total},
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
    readGroups(doc.object().value(QStringLiteral("groups")).toObject(), read);
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
                           {QStringLiteral("result"), resultTextJson(sidecar.result)},
                           {QStringLiteral("groups"), groupsJson(sidecar.groups)}};
    if (const int error = sysfile::replaceWhole(path, QJsonDocument(root).toJson()))
        throw base::fileFailure(path, error);
}

} // namespace race_data
