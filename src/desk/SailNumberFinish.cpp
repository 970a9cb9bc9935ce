// The finish by sail number: the operator reads the number off the sail, types it and presses Enter.
// The boat is found by the race, queued at the end when it is not, and its queue entry is clicked,
// so the keyboard registers (or asks about a finished boat) exactly as a click in the finish queue.
#include "frmMain.h"

#include "ErrorStyles.h"
#include "HelpWindow.h"
#include "SailNumber.h"

#include <algorithm>

namespace {
constexpr int Enter = 13;
}

// The box belongs to a race under way: it is shown with the start and hidden when the desk is cleared.
void frmMain::showSegelNr(bool shown) {
    lblSegelNr->setVisible(shown);
    txtSegelNr->setVisible(shown);
    if (!shown && raceHelpShown()) raceHelp_->hide();
}

int frmMain::txtSegelNr_KeyPress(int keyAscii) {
    if (keyAscii != Enter) return keyAscii;
    const race::SailCommand command = race::sailCommand(txtSegelNr->Text());
    std::vector<int> found = race::findSailNumber(race_, command.number);
    if (found.size() != 1) {
        refuseSegelNr(command.number, found);
        return 0;
    }
    if (command.takeBack || !command.code.isEmpty() || !command.time.isEmpty()) {
        if (command.takeBack)
            takeBack(found.front());
        else if (!command.time.isEmpty())
            registerTypedFinish(found.front(), command.time);
        else
            giveCode(found.front(), command.code);
        txtSegelNr->setText(QString());
        setFocusTo(txtSegelNr);
        return 0;
    }
    const int queued = queueForFinish(found.front());
    if (queued < 0) {
        platform_.dialogs.beep();
        return 0;
    }
    // The click reads the clock: the finish is the time of this Enter key.
    finishSource_ = race::FinishSource::Segelnr;
    skipOnError([this, queued] { lstMg->setListIndex(queued); });
    finishSource_ = race::FinishSource::Klick;
    txtSegelNr->setText(QString());
    setFocusTo(txtSegelNr);
    return 0;
}

// No boat or several: nothing is registered and the text stays for correcting.
void frmMain::refuseSegelNr(const QString& typed, std::vector<int> found) {
    if (found.empty()) {
        platform_.dialogs.beep();
        if (!race::sailNumberKey(typed).isEmpty())
            msg(QStringLiteral("Inget segelnummer ") + typed.trimmed(), platform::Buttons::OK,
                platform::Icon::Exclamation);
        return;
    }
    std::sort(found.begin(), found.end(), [this](int a, int b) { return listPosition(a) < listPosition(b); });
    QString text =
        QStringLiteral("Flera båtar har segelnummer ") + typed.trimmed() + QStringLiteral(" :\r\n");
    for (const int n : found)
        text += QStringLiteral("\r\n") + race_.entry(n);
    msg(text + QStringLiteral("\r\n\r\nSkriv hela segelnumret."), platform::Buttons::OK,
        platform::Icon::Exclamation);
}

// The boat's place in the finish queue; a boat not yet queued is double-clicked into it first.
// -1 when the queue refuses it.
int frmMain::queueForFinish(int record) {
    const int position = approachPosition(record);
    if (race_.queueIndexOf(record) < 0 && position >= 0) {
        lstPG->setListIndex(position);
        lstPG_DblClick();
    }
    return race_.queueIndexOf(record);
}
