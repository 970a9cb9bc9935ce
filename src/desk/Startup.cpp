// Loading, first activation (reopening the last race and restoring a race under way), shutdown.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "ErrorStyles.h"
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
                if (!DataFil.isEmpty() && DataFil != QLatin1String("NC"))
                    msg(QStringLiteral("Den senaste tävlingsfilen kan inte öppnas:\r\n") + DataFil +
                            QStringLiteral("\r\n\r\nExempel.dat öppnas i stället."),
                        platform::Buttons::OK, platform::Icon::Exclamation);
                DataFil = besideProgram(appPath(), QStringLiteral("Exempel.dat"));
            }
            openStartupRace();
            TavlingsNamn = race_data::raceName(DataFil);
            panAdmin->setCaption(QStringLiteral("  Start och Målgång  ") + TavlingsNamn);
            setWindowTitle(QStringLiteral("Brisrundan     ") + TavlingsNamn);
            KommentarFil = race_data::commentFileName(DataFil);
            lstDeltagare->Clear();
            listParticipants();
            GemensamStart = race_.lastStartTid();
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
        BatarIMal = freshFlags(AntalDeltagare);
        if (GemensamStart > 0) {
            skipOnError([this] { showStartTime(); });
            skipOnError([this] { showRaceUnderWayCaption(); });
            skipOnError([this] { fillApproachList(); });
            BatarIMal = BatarIMalText.split(QLatin1Char('*'));
            // A boat has finished when its flag says so or its record holds a finish: the flag list
            // may be cut short, or stale.
            race_.restoreMarks(listOrder(), BatarIMal);
            race_.markFinishedRecords();
            if (BatarIMalText.contains(QLatin1Char('x')) || race_.anyFinished())
                StartButton->setEnabled(false);
            restoreFinishQueue();
            lblPanSM_Click();
        }
        showLoadedRace();
    }
    Aktiverad = true;
}

// The browse buttons, the first participant shown and the focus on the list, once a race is loaded.
void frmMain::showLoadedRace() {
    VisaListKnappar();
    skipOnError([this] {
        if (lstDeltagare->ListCount() > 0) lstDeltagare->setListIndex(0);
    });
    setFocusTo(lstDeltagare);
}

void frmMain::Form_Unload() {
    const Command command(*this);
    if (!loaded_) return;
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

void frmMain::openRaceFiles(const QString& dataFil) {
    race_.open(dataFil);
    DatFilNr = 1;
    CmtFilNr = 2;
}

// The last race, or the example race when another desk has the last race open. The settings and their
// finish flags then belong to that desk: this one leaves them alone until it opens a race of its own.
void frmMain::openStartupRace() {
    try {
        openRaceFiles(DataFil);
    } catch (const RuntimeError& e) {
        if (e.number() != runtime_error_numbers::PermissionDenied) throw;
        msg(openElsewhereText(DataFil) + QStringLiteral("\r\n\r\nExempel.dat öppnas i stället."),
            platform::Buttons::OK, platform::Icon::Information);
        settingsOfAnotherDesk_ = true;
        BatarIMalText.clear();
        BatarIMal.clear();
        DataFil = besideProgram(appPath(), QStringLiteral("Exempel.dat"));
        openRaceFiles(DataFil);
    }
}

void frmMain::closeRaceFiles() {
    race_.closeFiles();
    DatFilNr = 0;
    CmtFilNr = 0;
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
