#pragma once
// The "dump" event: the race desk state, the input focus and every control of both windows as a
// person would find them. Dumping never loads a window.
#include <QJsonObject>

namespace script {

class DeskSession;

QJsonObject dumpEvent(const DeskSession& session);

} // namespace script
