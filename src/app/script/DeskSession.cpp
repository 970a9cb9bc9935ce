#include "DeskSession.h"

#include "ScriptError.h"
#include "frmMain.h"
#include "frmResultat.h"

#include <QJsonObject>

namespace script {

DeskSession::DeskSession(platform::EventLog& log, const QString& appDir)
    : log_(log), scripted_(log, appDir), platform_(scripted_.platform()) {}

DeskSession::~DeskSession() = default;

void DeskSession::load() {
    if (running()) throw ScriptError(QStringLiteral("the desk is already loaded"));
    // A restart keeps nothing in memory: the window of the previous run goes first.
    desk_.reset();
    desk_ = std::make_unique<frmMain>(platform_);
    desk_->onEnded = [this] { noteEnd(); };
    endReported_ = false;
    desk_->Form_Load();
    desk_->show();
    desk_->Form_Activate();
}

bool DeskSession::running() const {
    return desk_ && (desk_->isLoaded() || desk_->resultatIfLoaded());
}

frmMain& DeskSession::loadedDesk() {
    if (!desk_ || !desk_->isLoaded()) throw ScriptError(QStringLiteral("frmMain is not loaded"));
    return *desk_;
}

frmResultat* DeskSession::loadedResultat() const {
    return desk_ ? desk_->resultatIfLoaded() : nullptr;
}

void DeskSession::noteEnd() {
    if (endReported_ || !desk_ || running()) return;
    endReported_ = true;
    log_.write(QJsonObject{{QStringLiteral("event"), QStringLiteral("ended")}});
}

} // namespace script
