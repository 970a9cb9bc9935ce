#pragma once
// Who hears that the desk has started or stopped publishing its results on the network: nobody in the
// real program (the desk shows it itself), the event log in the scenario runner.
#include <QString>

namespace platform {

class Publishing {
public:
    virtual ~Publishing() = default;
    virtual void published(const QString& url) = 0;
    virtual void unpublished() = 0;
};

class SilentPublishing : public Publishing {
public:
    void published(const QString&) override {}
    void unpublished() override {}
};

} // namespace platform
