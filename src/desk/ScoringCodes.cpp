// Scoring codes given from the sail-number box ("4410 DNF"), and a finish or a code taken back
// ("4410 -", or Ctrl+Z for the latest registration). The race keeps the codes in NAME.json.
#include "frmMain.h"

#include "DeskText.h"
#include "RaceTime.h"

void frmMain::giveCode(int record, const QString& code) {
    const Command command(*this);
    const QString name = trimBlanks(race_.record(record).Namn);
    const QString old = race_.code(record);
    if (!old.isEmpty() && ask(name + QStringLiteral(" har redan ") + old + QStringLiteral(". Ersätt med ") +
                                  code + QStringLiteral("?"),
                              QStringLiteral("Målgång För"), platform::Buttons::YesNo,
                              platform::Icon::Exclamation, platform::Answer::No) != platform::Answer::Yes)
        return;
    if (const std::optional<RuntimeError> failure = race_.setCode(record, code))
        showWriteFailure(*failure, QStringLiteral("Koden för ") + name + QStringLiteral(" är inte sparad."));
    lastRegistered_ = record;
}

// A code goes first; without one, the finish. Nothing to take back is a beep.
void frmMain::takeBack(int record) {
    const Command command(*this);
    const QString name = trimBlanks(race_.record(record).Namn);
    const QString code = race_.code(record);
    const bool finished = race_.finished(record);
    if (code.isEmpty() && !finished) {
        platform_.dialogs.beep();
        return;
    }
    const QString question =
        !code.isEmpty()
            ? QStringLiteral("Ta bort ") + code + QStringLiteral(" för ") + name + QStringLiteral("?")
            : QStringLiteral("Ta bort målgången för ") + name + QStringLiteral(" (kl ") +
                  timing::clockText(race_.record(record).MalTid) + QStringLiteral(")?");
    if (ask(question, QStringLiteral("Målgång För"), platform::Buttons::YesNo, platform::Icon::Exclamation,
            platform::Answer::No) != platform::Answer::Yes)
        return;
    if (!code.isEmpty()) {
        if (const std::optional<RuntimeError> failure = race_.setCode(record, QString()))
            showWriteFailure(*failure,
                             QStringLiteral("Koden för ") + name + QStringLiteral(" är inte borttagen."));
        return;
    }
    if (const std::optional<RuntimeError> failure = race_.takeBackFinish(record)) {
        showWriteFailure(*failure, QStringLiteral("Målgången för ") + name + QStringLiteral(" står kvar."));
        return;
    }
    showTakenBackFinish(record);
}

// The boat stays in the queue without its mark, so that a click registers it again.
void frmMain::showTakenBackFinish(int record) {
    const int queued = race_.queueIndexOf(record);
    if (queued >= 0 && queued < lstMg->ListCount()) lstMg->setList(queued, race_.queueText(queued));
    showRanking();
    showApproach(record);
    syncFlags();
    BatarIMalText = BatarIMal.join(QLatin1Char('*'));
    saveSettings();
    StartButton->setEnabled(startButtonUsable());
}
