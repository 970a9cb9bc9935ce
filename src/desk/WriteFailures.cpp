// Telling the operator about a write that failed: once per command, naming the file and the reason.
#include "frmMain.h"

#include "ControlProps.h"
#include "FileFailure.h"
#include "Settings.h"

namespace {
const QString UpdateError =
    QStringLiteral("Fel vid UppDatering\r\n\r\nFilen är förmodligen Skrivskyddad\r\n\r\n"
                   "Lösning : <Spara Som> nytt namn Öppna utforska");
}

frmMain::Command::Command(frmMain& desk) : desk_(desk) {
    if (desk_.commandDepth_++ == 0) desk_.toldWriteFailure_ = false;
}
frmMain::Command::~Command() {
    if (--desk_.commandDepth_ != 0) return;
    desk_.reviewHandCorrections();
    desk_.publishResults();
    desk_.tellJournalFailure();
    desk_.showStarters();
    desk_.showRaceClock();
}

void frmMain::showUpdateError() {
    msg(UpdateError, platform::Buttons::OK, platform::Icon::Critical);
}

// The write-failure message with the file and the system's reason (both files when the comment failed
// too), and what it means for the race.
void frmMain::showWriteFailure(const RuntimeError& failure, const QString& consequence,
                               const std::optional<RuntimeError>& alsoFailed) {
    if (toldWriteFailure_) return;
    toldWriteFailure_ = true;
    QStringList details;
    for (const QString& file :
         {base::fileFailureLine(failure), alsoFailed ? base::fileFailureLine(*alsoFailed) : QString()})
        if (!file.isEmpty()) details << file;
    if (!consequence.isEmpty()) details << consequence;
    if (showFinishLineBanner(QStringLiteral("Skrivfel! ") + details.join(QStringLiteral("  ")))) return;
    QString text = UpdateError;
    if (!details.isEmpty()) {
        const QString files =
            details.mid(0, details.size() - (consequence.isEmpty() ? 0 : 1)).join(QStringLiteral("\r\n"));
        if (!files.isEmpty()) text += QStringLiteral("\r\n\r\n") + files;
        if (!consequence.isEmpty()) text += QStringLiteral("\r\n") + consequence;
    }
    msg(text, platform::Buttons::OK, platform::Icon::Critical);
}

// At the finish line a modal box would hold up the next boat: a failure stands in a red banner until a
// later write succeeds. False when the desk is not at the finish line, and a message box is right.
bool frmMain::showFinishLineBanner(const QString& text) {
    if (!(GemensamStart > 0 && controls::ownVisible(panAdmin))) return false;
    lblFel->setCaption(text);
    lblFel->setVisible(true);
    platform_.dialogs.beep();
    return true;
}

// A write that went through takes the banner of an earlier failure away.
void frmMain::clearFailureBanner() {
    if (!toldWriteFailure_) lblFel->setVisible(false);
}

void frmMain::saveSettings() {
    if (settingsOfAnotherDesk_) return;
    if (const std::optional<RuntimeError> failure =
            race_data::SparaInstallningar(race_data::settingsPath(appPath()), DataFil, BatarIMal))
        showWriteFailure(*failure, QStringLiteral("Inställningarna är inte sparade."));
}
