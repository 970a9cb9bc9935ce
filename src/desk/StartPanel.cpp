// The common start: the start button, the start time box and saving the start into every record.
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
    const std::optional<platform::Answer> answer = askNewStart();
    if (answer == platform::Answer::No) {
        StartMsg->setVisible(true);
        return;
    }
    const double oldStart = GemensamStart;
    GemensamStart = timing::timeStamp(platform_.clock.now());
    BatarIMalText = QString(std::max(AntalDeltagare - 1, 0), QLatin1Char('*'));
    showStartTime();
    fillApproachList();
    SparaStartTid();
    journalStart(oldStart);
    skipOnError([this] {
        if (lstDeltagare->ListCount() > 0) lstDeltagare->setListIndex(0);
    });
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
    if (BatarIMalText.contains(QLatin1Char('x')))
        msg(QStringLiteral("Du bör inte ändra StartTid\r\nnär det finns båtar som gått i mål"),
            platform::Buttons::OK, platform::Icon::Exclamation);
    const std::optional<platform::Answer> answer = askNewStart();
    if (answer == platform::Answer::No) {
        StartMsg->setVisible(true);
        setFocusTo(lstPG);
        return keyAscii;
    }
    if (answer == platform::Answer::Yes && lstMg->ListCount() > 0) {
        const platform::Answer sure = ask(
            QStringLiteral("Nu måste du tänka till\r\ndet finns båtar som gått i mål\r\n"
                           "du måste också justera deras tid !"),
            QString(), platform::Buttons::OKCancel, platform::Icon::Exclamation, platform::Answer::Cancel);
        setFocusTo(lstPG);
        if (sure == platform::Answer::Cancel) {
            txtStartTid->setText(timing::formatDate(GemensamStart, QStringLiteral("yyyy-mm-dd    hh:mm:ss")));
            StartMsg->setVisible(true);
            return keyAscii;
        }
    }
    const double oldStart = GemensamStart;
    GemensamStart = *typed;
    lblDatum[0]->setCaption(txtStartTid->Text().left(10));
    StartMsg->setVisible(true);
    showSegelNr(true);
    fillApproachList();
    SparaStartTid();
    journalStart(oldStart);
    skipOnError([this] {
        if (lstDeltagare->ListCount() > 0) lstDeltagare->setListIndex(0);
    });
    return keyAscii;
}

void frmMain::SparaStartTid() {
    EditLage = true;
    for (int i = 0; i < lstDeltagare->ListCount(); ++i) {
        skipOnError([this, i] {
            lstDeltagare->setListIndex(i);
            OkButton_Click();
        });
        EditLage = true;
    }
    skipOnError([this] { race_.flush(); });
    showRaceUnderWayCaption();
}
