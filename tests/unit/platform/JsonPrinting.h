#pragma once
// Lets GoogleTest show JSON events readably when an expectation fails.
#include <QJsonDocument>
#include <QJsonObject>
#include <ostream>

inline void PrintTo(const QJsonObject& object, std::ostream* out) {
    *out << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}
