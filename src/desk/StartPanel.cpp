// The common start: the start button, the start time box, and the start given to every record. Once a
// race has a start it is never replaced without a question, and once a boat has finished only the box
// can correct it; the finished boats' times are then recomputed.
#include "frmMain.h"

#include "ControlProps.h"
#include "ErrorStyles.h"
#include "RaceTime.h"

// While a start is shown, the operator is asked before it is replaced; no answer when there is none.
std::optional<platform::Answer> frmMain::askNewStart() {
    if (!controls::ownVisible(StartMsg)) return std::nullopt;
    StartMsg->setVisible(false);
    return ask(QStringLiteral("Vill du ha ny StartTid ?"), QStringLiteral("StartTid"),
               platform::Buttons::YesNo, platform::Icon::Exclamation, platform::Answer::No);
}

void frmMain::StartButton_Click() {
    const Command command(*this);
    if (TavlingsNamn == QLatin1String("Exempel")) {
        msg(QStringLiteral("Du kan inte göra Start på denna\r\nExempelfil den är skrivskyddad.\r\n\r\n"
                           "Ta kopia, byt namn (Spara Som...)\r\nÖppna den nya och provkör som Test"));
        return;
    }
    const double now = timing::timeStamp(platform_.clock.now());
    if (race_.severalGroups()) return startGroupsNow(now);
    if (race_.anyFinished()) { // the button is disabled then; the box corrects the start
        platform_.dialogs.beep();
        return;
    }
    if (GemensamStart > 0) {
        const platform::Answer answer =
            ask(QStringLiteral("Starten gick kl ") + timing::clockText(GemensamStart) +
                    QStringLiteral(". Ny start nu, kl ") + timing::clockText(now) +
                    QStringLiteral("? Alla båtar får den nya starttiden."),
                QStringLiteral("StartTid"), platform::Buttons::YesNo, platform::Icon::Exclamation,
                platform::Answer::No);
        if (answer != platform::Answer::Yes) {
            setFocusTo(txtSegelNr);
            return;
        }
    }
    if (!SparaStartTid(now)) return;
    BatarIMalText = QString(std::max(AntalDeltagare - 1, 0), QLatin1Char('*'));
}

int frmMain::txtStartTid_KeyPress(int keyAscii) {
    if (keyAscii != 13) return keyAscii;
    const Command command(*this);
    // A text that does not read as a date and time changes nothing, and asks nothing either.
    const std::optional<double> typed = timing::typedStartTime(txtStartTid->Text());
    if (!typed) {
        platform_.dialogs.beep();
        return keyAscii;
    }
    if (race_.severalGroups()) {
        typedGroupStart(*typed);
        return keyAscii;
    }
    if (race_.anyFinished())
        msg(QStringLiteral("Du bör inte ändra StartTid\r\nnär det finns båtar som gått i mål"),
            platform::Buttons::OK, platform::Icon::Exclamation);
    const std::optional<platform::Answer> answer = askNewStart();
    if (answer == platform::Answer::No) {
        StartMsg->setVisible(true);
        focusFinishLine();
        return keyAscii;
    }
    if (answer == platform::Answer::Yes && race_.anyFinished()) {
        const platform::Answer sure = ask(
            QStringLiteral("Nu måste du tänka till\r\ndet finns båtar som gått i mål\r\n"
                           "deras seglade och korrigerade tider räknas om !"),
            QString(), platform::Buttons::OKCancel, platform::Icon::Exclamation, platform::Answer::Cancel);
        focusFinishLine();
        if (sure == platform::Answer::Cancel) {
            showStartTime();
            return keyAscii;
        }
    }
    SparaStartTid(*typed);
    return keyAscii;
}

// The start goes to every record and the finished boats are timed from it; the panel, the lists and the
// caption show it. A race that could not take the start at all keeps the old one and says so.
bool frmMain::SparaStartTid(double start) {
    return showStartChange(race_.setStart(start));
}

bool frmMain::showStartChange(const race::StartChange& change) {
    if (change.kept) {
        if (change.failure->number() == runtime_error_numbers::PathFileAccess)
            showUpdateError();
        else
            showWriteFailure(*change.failure, QStringLiteral("Starttiden är inte sparad."));
        if (GemensamStart > 0)
            showStartTime();
        else
            txtStartTid->setText(QString());
        return false;
    }
    if (change.failure)
        showWriteFailure(*change.failure, QStringLiteral("Starttiden är inte sparad för alla båtar."));
    showStartTime();
    showRaceUnderWayCaption();
    fillApproachList();
    showRanking();
    skipOnError([this] {
        if (lstDeltagare->ListCount() > 0) lstDeltagare->setListIndex(0);
    });
    setFocusTo(txtSegelNr);
    return true;
}
