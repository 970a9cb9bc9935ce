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
            if (!race_data::FilFinns(DataFil))
                DataFil = besideProgram(appPath(), QStringLiteral("Exempel.dat"));
            TavlingsNamn = race_data::raceName(DataFil);
            panAdmin->setCaption(QStringLiteral("  Start och Målgång  ") + TavlingsNamn);
            setWindowTitle(QStringLiteral("Brisrundan     ") + TavlingsNamn);
            KommentarFil = race_data::commentFileName(DataFil);
            lstDeltagare->Clear();
            openRaceFiles();
            GemensamStart = listParticipants(true).lastStartTid;
        });
        if (!opened) {
            // Without a race file the desk has nothing to work on: say so and end, writing nothing.
            msg(QStringLiteral("Tävlingsfilen kan inte öppnas:\r\n") + DataFil +
                    QStringLiteral("\r\n\r\nBrisrundan avslutas."),
                platform::Buttons::OK, platform::Icon::Critical);
            files_.close();
            unloadBoth();
            return;
        }
        skipOnError([this] {
            panDeltagare->setCaption(QStringLiteral("  DeltagarLista ") + QString::number(AntalDeltagare) +
                                     QStringLiteral("  båtar"));
        });
        BatarIMal = freshFlags(AntalDeltagare);
        if (GemensamStart > 0) {
            skipOnError([this] { showStartTime(); });
            skipOnError([this] { showRaceUnderWayCaption(); });
            skipOnError([this] { fillApproachList(); });
            if (BatarIMalText.contains(QLatin1Char('x'))) StartButton->setEnabled(false);
            BatarIMal = BatarIMalText.split(QLatin1Char('*'));
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
    if (!loaded_) return;
    race_data::SparaInstallningar(race_data::settingsPath(appPath()), DataFil, BatarIMal);
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

void frmMain::openRaceFiles() {
    files_.open(DataFil);
    DatFilNr = 1;
    CmtFilNr = 2;
}

void frmMain::closeRaceFiles() {
    files_.close();
    DatFilNr = 0;
    CmtFilNr = 0;
}

race_data::LoadedRace frmMain::listParticipants(bool trimSegelId) {
    race_data::LoadedRace race = files_.loadParticipants();
    std::vector<std::pair<QString, std::int32_t>> entries;
    entries.reserve(race.live.size());
    for (const race_data::LoadedParticipant& p : race.live) {
        const QString segelId = trimSegelId ? trimBlanks(p.post.SegelId) : p.post.SegelId;
        entries.emplace_back(entryText(trimBlanks(p.post.Namn), segelId), p.recordNumber);
    }
    lstDeltagare->Fill(entries);
    AntalDeltagare += static_cast<std::int32_t>(entries.size());
    return race;
}

void frmMain::showStartTime() {
    StartMsg->setVisible(true);
    txtStartTid->setText(timing::formatDate(GemensamStart, QStringLiteral("yyyy-mm-dd    hh:mm:ss")));
    lblDatum[0]->setCaption(txtStartTid->text().left(10));
}

void frmMain::showRaceUnderWayCaption() {
    setWindowTitle(QStringLiteral("Brisrundan     ") + TavlingsNamn + QStringLiteral("     Start ") +
                   timing::captionDate(GemensamStart));
}

// The finish queue holds the boats flagged as finished, in participant list order; the ranking and
// the result list's date tag follow from them.
void frmMain::restoreFinishQueue() {
    for (int i = 0; i < lstPG->ListCount(); ++i) {
        skipOnError([this, i] {
            if (i < BatarIMal.size() && BatarIMal[i] == QLatin1String("x")) {
                lstMg->AddItem(QStringLiteral("¤") + lstPG->List(i));
                lstMg->setItemData(lstMg->NewIndex(), i);
            }
        });
    }
    rebuildRanking();
    skipOnError([this] { controls::setTag(resultat().lvw, lblDatum[1]->caption()); });
}
