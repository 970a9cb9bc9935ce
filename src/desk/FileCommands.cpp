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
        if (open == platform::Answer::Yes) openRace(*chosen, false);
        return;
    }
    race::Race created = newRaceModel();
    try {
        created.open(*chosen, true);
    } catch (const RuntimeError& e) {
        tellRaceFailure(QStringLiteral("Tävlingen kan inte skapas:"), *chosen, e);
        return;
    }
    race_ = std::move(created);
    DataFil = *chosen;
    TavlingsNamn = race_data::raceName(DataFil);
    KommentarFil = race_data::commentFileName(DataFil);
    saveSettings();
    lstDeltagare->Clear();
    AntalDeltagare = 0;
    BatarIMal = freshFlags(0);
    VisaListKnappar();
    RensaDesken();
    showRaceCaptions(QStringLiteral("Brisrundan    "));
}

void frmMain::lblOpen_Click() {
    const Command command(*this);
    platform::FileDialogRequest request = raceFileDialog();
    request.title = QStringLiteral("Öppna Startlista");
    const std::optional<QString> chosen = chooseFile(platform_.dialogs, request);
    if (chosen) openRace(*chosen, false);
}

// The open command's road, also taken by "Ny Startlista" for a race that exists: the race is read into
// a model of its own first, so that a failure leaves the race on show untouched.
bool frmMain::openRace(const QString& path, bool trimSegelId) {
    race::Race opened = newRaceModel();
    try {
        opened.open(path, trimSegelId);
    } catch (const RuntimeError& e) {
        tellRaceFailure(QStringLiteral("Tävlingen kan inte öppnas:"), path, e);
        return false;
    }
    opened.restoreUnderWay();
    RensaDesken();
    race_ = std::move(opened);
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
        tellRaceFailure(QStringLiteral("Tävlingen kan inte sparas som:"), SparaSomFil, e);
        return;
    }
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
