// "ResultatLista" and "Skriv Ut", and the result list's own texts kept with the race.
#include "frmMain.h"

#include "ControlProps.h"
#include "ErrorStyles.h"
#include "PrintResultWindow.h"
#include "RaceResultList.h"
#include "ResultCorrections.h"
#include "ResultHeading.h"
#include "Settings.h"
#include "frmResultat.h"

void frmMain::lblfrmRes_Click() {
    frmResultat& r = resultat();
    for (controls::TextBox* box : r.lvwEdit)
        box->setText(QString());
    panDeltagare->setVisible(false);
    panAdmin->setVisible(false);
    txtInfo->setVisible(false);
    r.show();
    r.raise();
    r.setPicture(Image3->image());
    const results::ResultatLista list = computedResultList();
    showInResultWindow(r, list);
    if (GemensamStart > 0) r.setWindowTitle(list.caption);
    skipOnError([this] { lstDeltagare->setListIndex(0); });
}

void frmMain::lblPanPrint_Click() {
    frmResultat& r = resultat();
    if (!controls::ownVisible(&r)) {
        msg(QStringLiteral("Du måste välja ResultatLista först"));
        return;
    }
    r.show();
    r.raise();
    // The print dialog is the officer's say: Cancel there prints nothing.
    const bool printed = trapErrors([this, &r] {
        std::unique_ptr<platform::PrintJob> job = platform_.printer.chooseJob();
        if (job) results::printResultWindow(*job, r, timing::timeStamp(platform_.clock.now()));
    });
    if (!printed) msg(QStringLiteral("Fel i Printer.Printer rutin"));
}

// The list as the race scores it now; without a start it has no rows.
results::ResultatLista frmMain::computedResultList() {
    if (!(GemensamStart > 0)) return {};
    const frmResultat* r = resultatIfLoaded();
    return results::raceResultList(race_, lblDatum[0]->caption(), r ? controls::tag(r->lvw) : QString(),
                                   TavlingsNamn);
}

// The list with the race's own texts laid over it.
void frmMain::showInResultWindow(frmResultat& r, const results::ResultatLista& list) {
    r.showList(list, race_.resultText(), results::honestHeading(TavlingsNamn, race_.start()), defaultClub());
}

void frmMain::rebuildResultList() {
    if (frmResultat* r = resultatIfLoaded()) showInResultWindow(*r, computedResultList());
}

// Read from the settings once: while the results are published it is asked for after every command.
QString frmMain::defaultClub() const {
    if (!clubDefault_) clubDefault_ = race_data::LasKlubb(race_data::settingsPath(appPath()));
    return *clubDefault_;
}

void frmMain::saveResultText(const race_data::ResultText& text) {
    if (DataFil.isEmpty()) return;
    if (const std::optional<RuntimeError> failure = race_.setResultText(text))
        showWriteFailure(*failure, QStringLiteral("Resultatlistans text är inte sparad."));
    publishResults();
}

void frmMain::rememberClub(const QString& club) {
    clubDefault_ = club;
    try {
        race_data::SparaKlubb(race_data::settingsPath(appPath()), club);
    } catch (const RuntimeError& failure) {
        showWriteFailure(failure,
                         QStringLiteral("Klubbens namn är inte sparat som förval för nya tävlingar."));
    }
}

// A registration that changes a row the officer corrected by hand asks whether the corrections stand.
void frmMain::reviewHandCorrections() {
    race_data::ResultText text = race_.resultText();
    if (!loaded_ || text.corrections.empty() || !(GemensamStart > 0)) return;
    const results::ResultatLista computed = computedResultList();
    const std::vector<int> stale = results::staleCorrections(computed, text);
    if (stale.empty()) return;
    QStringList names;
    for (const int key : stale)
        names << QStringLiteral("  ") + (key > 0 ? race_.entry(key) : QStringLiteral("Rubrikraden"));
    const platform::Answer keep =
        ask(QStringLiteral("Resultatlistan har rättelser för hand på rader som nu har ändrats:\r\n") +
                names.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\nBehålla rättelserna?"),
            QStringLiteral("Rättelser för hand"), platform::Buttons::YesNo, platform::Icon::Exclamation,
            platform::Answer::Yes);
    for (const int key : stale)
        if (keep == platform::Answer::Yes)
            results::rebaseCorrections(text, computed, key);
        else
            text.corrections.erase(key);
    saveResultText(text);
    if (frmResultat* r = resultatIfLoaded(); r && r->isVisible()) showInResultWindow(*r, computed);
}
