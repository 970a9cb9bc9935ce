#pragma once
// One control as the dump shows it: the properties every control has, and those of its kind.
#include <QJsonObject>

class QWidget;

namespace script {

// left, top, width and height in twips.
QJsonObject geometryOf(const QWidget* w);
QJsonObject controlDump(const QWidget* control);

} // namespace script
