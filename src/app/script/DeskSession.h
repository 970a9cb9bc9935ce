#pragma once
// The desk as a script drives it: the scripted platform, the race desk window of the current run, and
// the one "ended" event of each run.
#include "ScriptedPlatform.h"

#include <QString>
#include <memory>

class frmMain;
class frmResultat;

namespace script {

class DeskSession {
public:
    DeskSession(platform::EventLog& log, const QString& appDir);
    ~DeskSession();
    DeskSession(const DeskSession&) = delete;
    DeskSession& operator=(const DeskSession&) = delete;

    platform::ScriptedPlatform& scripted() { return scripted_; }
    platform::EventLog& log() { return log_; }

    // The program starts: a fresh desk window is loaded, shown and activated. ScriptError while a
    // desk is loaded.
    void load();
    // True while either window of the current run is loaded.
    bool running() const;
    // The loaded desk window; ScriptError when it is not loaded.
    frmMain& loadedDesk();
    // The desk window of the last run (also after it ended), or null before the first load.
    frmMain* desk() const { return desk_.get(); }
    // The result window when it is loaded, else null; never loads it.
    frmResultat* loadedResultat() const;

    // Writes "ended" once per run, when both windows have been unloaded.
    void noteEnd();

private:
    platform::EventLog& log_;
    platform::ScriptedPlatform scripted_;
    platform::Platform platform_;
    std::unique_ptr<frmMain> desk_;
    bool endReported_ = true;
};

} // namespace script
