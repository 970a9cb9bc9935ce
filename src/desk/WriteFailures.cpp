// Telling the operator about a write that failed: once per command, naming the file and the reason.
#include "frmMain.h"

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
    desk_.tellJournalFailure();
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
    QString text = UpdateError;
    QString separator = QStringLiteral("\r\n\r\n");
    for (const QString& file :
         {base::fileFailureLine(failure), alsoFailed ? base::fileFailureLine(*alsoFailed) : QString()}) {
        if (file.isEmpty()) continue;
        text += separator + file;
        separator = QStringLiteral("\r\n");
    }
    if (!consequence.isEmpty()) text += QStringLiteral("\r\n") + consequence;
    msg(text, platform::Buttons::OK, platform::Icon::Critical);
}

void frmMain::saveSettings() {
    if (settingsOfAnotherDesk_) return;
    if (const std::optional<RuntimeError> failure =
            race_data::SparaInstallningar(race_data::settingsPath(appPath()), DataFil, BatarIMal))
        showWriteFailure(*failure, QStringLiteral("Inställningarna är inte sparade."));
}
