// "Ny Startlista", "Öppna Startlista", "Spara Som . . ." and clearing the desk. A command that cannot
// open, create or copy a race says why and leaves the desk showing the race it showed.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "FileFailure.h"
#include "RuntimeError.h"
#include "Settings.h"

#include <QFileInfo>

namespace {

std::optional<QString> chooseFile(platform::Dialogs& dialogs, const platform::FileDialogRequest& request) {
    std::optional<QString> chosen = dialogs.fileDialog(request);
    if (chosen && chosen->isEmpty()) chosen.reset();
    return chosen;
}

} // namespace

platform::FileDialogRequest frmMain::raceFileDialog() const {
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("DATA FILE *.dat|*.dat");
    request.cancelError = true;
    request.initDir = platform_.app.path();
    request.defaultExt = QStringLiteral("dat");
    return request;
}

// The file and the reason, or the bare path where the failure names no file.
void frmMain::tellRaceFailure(const QString& what, const QString& path, const RuntimeError& failure) {
    QString text = what + QStringLiteral("\r\n") + path;
    const QString file = base::fileFailureLine(failure);
    if (!file.isEmpty()) text += QStringLiteral("\r\n\r\n") + file;
    msg(text, platform::Buttons::OK, platform::Icon::Exclamation);
}

void frmMain::lblNewFile_Click() {
    const Command command(*this);
    lblPanD_Click();
    platform::FileDialogRequest request = raceFileDialog();
    request.title = QStringLiteral("Skriv i nya filens namn");
    request.flags = 8192;
    const std::optional<QString> chosen = chooseFile(platform_.dialogs, request);
    if (!chosen) return;
    if (QFileInfo::exists(*chosen)) {
        const platform::Answer open =
            ask(QStringLiteral("Tävlingen ") + race_data::raceName(*chosen) +
                    QStringLiteral(" finns redan. Vill du öppna den?"),
                QString(), platform::Buttons::YesNo, platform::Icon::Exclamation, platform::Answer::No);
        if (open == platform::Answer::Yes) openRace(*chosen);
        return;
    }
    if (!openInModel(*chosen, QStringLiteral("Tävlingen kan inte skapas:"))) return;
    RensaDesken();
    DataFil = *chosen;
    TavlingsNamn = race_data::raceName(DataFil);
    KommentarFil = race_data::commentFileName(DataFil);
    saveSettings();
    lstDeltagare->Clear();
    AntalDeltagare = 0;
    BatarIMal = freshFlags(0);
    VisaListKnappar();
    showRaceCaptions(QStringLiteral("Brisrundan    "));
}

void frmMain::lblOpen_Click() {
    const Command command(*this);
    platform::FileDialogRequest request = raceFileDialog();
    request.title = QStringLiteral("Öppna Startlista");
    const std::optional<QString> chosen = chooseFile(platform_.dialogs, request);
    if (chosen) openRace(*chosen);
}

// The race model opens the race aside and gives up the one held only when that worked. A race that
// another desk has open is refused with its own message; any other failure names the file and why.
// Either way the desk keeps the race it showed.
bool frmMain::openInModel(const QString& path, const QString& failure) {
    try {
        race_.open(path);
    } catch (const RuntimeError& e) {
        if (e.number() == runtime_error_numbers::PermissionDenied)
            msg(openElsewhereText(path) +
                    QStringLiteral("\r\n\r\nAvsluta den först, om tävlingen ska skötas härifrån."),
                platform::Buttons::OK, platform::Icon::Information);
        else
            tellRaceFailure(failure, path, e);
        return false;
    }
    settingsOfAnotherDesk_ = false;
    return true;
}

// The open command's road, also taken by "Ny Startlista" for a race that exists.
bool frmMain::openRace(const QString& path) {
    if (!openInModel(path, QStringLiteral("Tävlingen kan inte öppnas:"))) return false;
    race_.restoreUnderWay();
    RensaDesken();
    DataFil = path;
    TavlingsNamn = race_data::raceName(DataFil);
    KommentarFil = race_data::commentFileName(DataFil);
    AntalDeltagare = 0;
    lstDeltagare->Clear();
    listParticipants();
    panDeltagare->setCaption(participantListCaption(AntalDeltagare));
    BatarIMal = freshFlags(AntalDeltagare);
    showRaceCaptions(QStringLiteral("Brisrundan    "));
    showRaceUnderWay();
    saveSettings();
    showLoadedRace();
    return true;
}

// "Spara Som": the race goes on in the copy, as in every program that saves under a new name.
void frmMain::lblSave_Click() {
    const Command command(*this);
    platform::FileDialogRequest request = raceFileDialog();
    request.save = true;
    request.title = QStringLiteral("Spara fil som ...");
    request.fileName = QString();
    const std::optional<QString> chosen = chooseFile(platform_.dialogs, request);
    if (!chosen) return;
    SparaSomFil = *chosen;
    if (race_data::sameFile(SparaSomFil, DataFil)) {
        msg(QStringLiteral("Tävlingen är redan sparad i ") + DataFil +
                QStringLiteral("\r\n\r\nVälj ett annat namn för kopian."),
            platform::Buttons::OK, platform::Icon::Exclamation);
        return;
    }
    try {
        race_.continueAs(SparaSomFil);
    } catch (const RuntimeError& e) {
        if (e.number() == runtime_error_numbers::PermissionDenied)
            msg(openElsewhereText(SparaSomFil), platform::Buttons::OK, platform::Icon::Information);
        else
            tellRaceFailure(QStringLiteral("Tävlingen kan inte sparas som:"), SparaSomFil, e);
        return;
    }
    settingsOfAnotherDesk_ = false;
    DataFil = SparaSomFil;
    TavlingsNamn = race_data::raceName(DataFil);
    KommentarFil = race_data::commentFileName(DataFil);
    showRaceCaptions(QStringLiteral("Brisrundan    "));
    if (GemensamStart > 0) showRaceUnderWayCaption();
    saveSettings();
}

void frmMain::RensaDesken() {
    clearParticipantFields();
    lblDatum[0]->setCaption(QString());
    txtStartTid->setText(QString());
    BatarIMalText.clear();
    lstPG->Clear();
    lstMg->Clear();
    lstSortMG->Clear();
    StartMsg->setVisible(false);
    showSegelNr(false);
    panDeltagare->setCaption(QStringLiteral("  Deltagare"));
    StartButton->setEnabled(true);
}
