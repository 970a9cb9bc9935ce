#pragma once
// A fault of the script itself (unknown command or NAME, bad argument, a command that needs a loaded
// window): the runner reports it with the line number and stops.
#include <QString>
#include <stdexcept>

namespace script {

class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

} // namespace script
