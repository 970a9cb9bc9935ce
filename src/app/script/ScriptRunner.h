#pragma once
// Runs a scenario script line by line against the real desk with the scripted platform, writing what
// a person would see as events. Stops at the first script error.
#include "DeskSession.h"

#include <QString>

namespace script {

class ScriptRunner {
public:
    ScriptRunner(platform::EventLog& log, const QString& appDir);

    // Runs the whole script; returns the exit status: 0 at its end, 2 after a script error.
    int run(const QString& script);

private:
    void runLine(const QString& line);

    platform::EventLog& log_;
    DeskSession session_;
};

} // namespace script
