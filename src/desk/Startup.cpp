// Loading, first activation (reopening the last race and restoring a race under way), shutdown.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "FileFailure.h"
#include "RaceSidecar.h"
#include "RaceTime.h"
#include "ScreenFit.h"
#include "Settings.h"
#include "frmResultat.h"

void frmMain::Form_Load() {
    setWindowTwips(0, 825, 12000, 7050);
    const float screenCorr = platform::screenCorrFor(platform_.screen, controls::twips(this).bottom());
    if (screenCorr > 1.0f) ResizeForm(*this, screenCorr);
    for (controls::Button* b : {AddButton, EditButton, DeleteButton, OkButton, CancelButton})
        b->setVisible(false);
    Aktiverad = false;
    loaded_ = true;
    resultat().setPicture(Image3->image());
    keepLayoutAsBase(); // from here the desk grows and shrinks with its window
}

void frmMain::Form_Activate() {
    if (!Aktiverad) {
        const bool opened = trapErrors([this] {
            const race_data::Installningar s =
                race_data::LasInstallningar(race_data::settingsPath(appPath()));
            DataFil = s.DataFil;
            BatarIMalText = s.BatarIMalText;
            BatarIMal = s.BatarIMal;
            if (!race_data::FilFinns(DataFil)) {
                // A race named by the settings that cannot be opened is never replaced silently.
                if (s.unreadable)
                    msg(QStringLiteral("Inställningsfilen kan inte läsas, så den senaste tävlingen kan "
                                       "inte öppnas igen.\r\n\r\n") +
                            base::fileFailureLine(*s.unreadable) +
                            QStringLiteral("\r\n\r\nExempel.dat öppnas i stället."),
                        platform::Buttons::OK, platform::Icon::Exclamation);
                else if (!DataFil.isEmpty() && DataFil != QLatin1String("NC"))
                    msg(QStringLiteral("Den senaste tävlingsfilen kan inte öppnas:\r\n") + DataFil +
                            QStringLiteral("\r\n\r\nExempel.dat öppnas i stället."),
                        platform::Buttons::OK, platform::Icon::Exclamation);
                DataFil = besideProgram(appPath(), QStringLiteral("Exempel.dat"));
            }
            openStartupRace();
            race_.restoreUnderWay(BatarIMalText.split(QLatin1Char('*')));
            TavlingsNamn = race_data::raceName(DataFil);
            KommentarFil = race_data::commentFileName(DataFil);
            showRaceCaptions(QStringLiteral("Brisrundan     "));
            lstDeltagare->Clear();
            listParticipants();
        });
        if (!opened) {
            // Without a race file the desk has nothing to work on: say so and end, writing nothing.
            msg(QStringLiteral("Tävlingsfilen kan inte öppnas:\r\n") + DataFil +
                    QStringLiteral("\r\n\r\nBrisrundan avslutas."),
                platform::Buttons::OK, platform::Icon::Critical);
            closeRaceFiles();
            unloadBoth();
            return;
        }
        skipOnError([this] { panDeltagare->setCaption(participantListCaption(AntalDeltagare)); });
        BatarIMal = GemensamStart > 0 ? BatarIMalText.split(QLatin1Char('*')) : freshFlags(AntalDeltagare);
        showRaceUnderWay();
        showLoadedRace();
    }
    Aktiverad = true;
}

// The start-and-finish panel of the race the model holds: its start, the approaching boats, the finish
// queue with its marks and the ranking; the start button only while no boat has finished. The same for
// start-up and the open command.
void frmMain::showRaceUnderWay() {
    // A damaged NAME.json never keeps the race from the desk: what it could not give is named.
    if (!race_.sidecarProblem().isEmpty())
        msg(QStringLiteral("Filen ") + race_data::sidecarFileName(DataFil) +
                QStringLiteral(" kan inte läsas helt: ") + race_.sidecarProblem() +
                QStringLiteral(".\r\n\r\nTävlingen öppnas utan det som inte kunde läsas."),
            platform::Buttons::OK, platform::Icon::Exclamation);
    if (race_.commentFileMadeAnew())
        msg(QStringLiteral("Kommentarfilen fanns inte och är skapad på nytt, tom:\r\n") + KommentarFil +
                QStringLiteral("\r\n\r\nKommentarerna som stod i den kan inte visas."),
            platform::Buttons::OK, platform::Icon::Exclamation);
    showRaceClock();
    if (!(GemensamStart > 0)) {
        syncFlags();
        lblPanD_Click();
        return;
    }
    skipOnError([this] { showStartTime(); });
    skipOnError([this] { showRaceUnderWayCaption(); });
    skipOnError([this] { fillApproachList(); });
    StartButton->setEnabled(startButtonUsable());
    restoreFinishQueue();
    tellUnsavedFinishes();
    lblPanSM_Click();
}

// Boats flagged as over the line whose finish never reached the race file wait in the queue, named.
void frmMain::tellUnsavedFinishes() {
    QStringList boats;
    for (const int n : race_.unsavedFinishes())
        boats << race_.entry(n);
    if (boats.isEmpty()) return;
    msg(QStringLiteral("Målgången sparades inte för:\r\n") + boats.join(QStringLiteral("\r\n")) +
            QStringLiteral("\r\n\r\nBåtarna väntar i målkön utan måltid."),
        platform::Buttons::OK, platform::Icon::Exclamation);
}

// The browse buttons and the first participant shown once a race is loaded; the focus goes where the
// officer works next: the participant list, or the sail-number box of a race under way.
void frmMain::showLoadedRace() {
    VisaListKnappar();
    skipOnError([this] {
        if (lstDeltagare->ListCount() > 0) lstDeltagare->setListIndex(0);
    });
    setFocusTo(GemensamStart > 0 ? static_cast<QWidget*>(txtSegelNr) : lstDeltagare);
}

// The window caption and the panel captions name the race on show.
void frmMain::showRaceCaptions(const QString& title) {
    setWindowTitle(title + TavlingsNamn);
    panAdmin->setCaption(QStringLiteral("  Start och Målgång  ") + TavlingsNamn);
}

// The last race, or the example race when another desk has the last race open. The settings and their
// finish flags then belong to that desk: this one leaves them alone until it opens a race of its own.
void frmMain::openStartupRace() {
    try {
        race_.open(DataFil);
    } catch (const RuntimeError& e) {
        if (e.number() != runtime_error_numbers::PermissionDenied) throw;
        msg(openElsewhereText(DataFil) + QStringLiteral("\r\n\r\nExempel.dat öppnas i stället."),
            platform::Buttons::OK, platform::Icon::Information);
        settingsOfAnotherDesk_ = true;
        BatarIMalText.clear();
        BatarIMal.clear();
        DataFil = besideProgram(appPath(), QStringLiteral("Exempel.dat"));
        race_.open(DataFil);
    }
}

void frmMain::Form_Unload() {
    const Command command(*this);
    if (!loaded_) return;
    stopPublishing();
    saveSettings();
    closeRaceFiles();
    unloadBoth();
}

void frmMain::lblQuit_Click() {
    closeRaceFiles();
    Form_Unload();
}

void frmMain::unloadBoth() {
    loaded_ = false;
    hide();
    resultat_->unload();
    if (onEnded) onEnded();
}

void frmMain::closeRaceFiles() {
    race_.closeFiles();
}

void frmMain::listParticipants() {
    std::vector<std::pair<QString, std::int32_t>> entries;
    for (const int n : race_.liveRecords())
        entries.emplace_back(race_.entry(n), n);
    lstDeltagare->Fill(entries);
    AntalDeltagare += static_cast<std::int32_t>(entries.size());
}

void frmMain::showStartTime() {
    StartMsg->setVisible(true);
    showSegelNr(true);
    txtStartTid->setText(timing::formatDate(GemensamStart, QStringLiteral("yyyy-mm-dd    hh:mm:ss")));
    lblDatum[0]->setCaption(txtStartTid->text().left(10));
}

void frmMain::showRaceUnderWayCaption() {
    setWindowTitle(QStringLiteral("Brisrundan     ") + TavlingsNamn + QStringLiteral("     Start ") +
                   timing::captionDate(GemensamStart));
}

// The finish queue holds the finished boats in participant list order, ranked; the desk then shows
// the boat of the last queue entry and hands its finish date to the result list.
void frmMain::restoreFinishQueue() {
    race_.restoreQueue(listOrder());
    showQueueAndRanking();
    syncFlags();
    if (!race_.queue().empty()) selectParticipantRecord(race_.queue().back().record);
    skipOnError([this] { controls::setTag(resultat().lvw, lblDatum[1]->caption()); });
}
