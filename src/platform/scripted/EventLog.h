#pragma once
// Where the scripted platform reports what a person would have seen: one JSON object per event.
#include <QJsonObject>
#include <vector>

namespace platform {

class EventLog {
public:
    virtual ~EventLog() = default;
    virtual void write(const QJsonObject& event) = 0;
};

// Keeps the events in memory; the desk tests read them back.
class MemoryEventLog : public EventLog {
public:
    void write(const QJsonObject& event) override { events.push_back(event); }
    std::vector<QJsonObject> events;
};

} // namespace platform
