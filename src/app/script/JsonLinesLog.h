#pragma once
// The runner's event log: each event as one compact JSON line on standard output, its "event" field
// first, flushed at once so that a crash never loses what was already reported.
#include "EventLog.h"

#include <QByteArray>
#include <cstdio>

namespace script {

class JsonLinesLog : public platform::EventLog {
public:
    explicit JsonLinesLog(std::FILE* out = stdout) : out_(out) {}
    void write(const QJsonObject& event) override;

    // The line written for an event, without its line break.
    static QByteArray line(const QJsonObject& event);

private:
    std::FILE* out_;
};

} // namespace script
