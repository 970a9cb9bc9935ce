// "Ny Startlista", "Öppna Startlista", "Spara Som . . ." and clearing the desk.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "RuntimeError.h"
#include "Settings.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int Cancelled = 32755; // the file dialog's cancel, raised as an error

QString chooseFile(platform::Dialogs& dialogs, const platform::FileDialogRequest& request) {
    const std::optional<QString> chosen = dialogs.fileDialog(request);
    if (!chosen) throw RuntimeError(Cancelled, "Cancel was selected");
    return *chosen;
}

// Copies a file over another, leaving the copy writable: a copy of the read-only example race is
// meant to be raced in.
void copyReplacing(const QString& from, const QString& to) {
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath()) return;
    if (!QFileInfo::exists(from)) throw RuntimeError(runtime_error_numbers::FileNotFound);
    if (QFileInfo::exists(to) && !QFile::remove(to))
        throw RuntimeError(runtime_error_numbers::PathFileAccess);
    if (!QFile::copy(from, to)) throw RuntimeError(runtime_error_numbers::PathFileAccess);
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
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

void frmMain::lblNewFile_Click() {
    const Command command(*this);
    lblPanD_Click();
    trapErrors([this] {
        platform::FileDialogRequest request = raceFileDialog();
        request.title = QStringLiteral("Skriv i nya filens namn");
        request.flags = 8192;
        const QString chosen = chooseFile(platform_.dialogs, request);
        if (chosen.isEmpty() || !openChosenRace(chosen)) return;
        DataFil = chosen;
        TavlingsNamn = race_data::raceName(DataFil);
        KommentarFil = race_data::commentFileName(DataFil);
        saveSettings();
        lstDeltagare->Clear();
        AntalDeltagare = 0;
        GemensamStart = 0;
        VisaListKnappar();
        RensaDesken();
        setWindowTitle(QStringLiteral("Brisrundan    ") + TavlingsNamn);
    });
}

void frmMain::lblOpen_Click() {
    const Command command(*this);
    bool refused = false;
    const bool opened = trapErrors([this, &refused] {
        platform::FileDialogRequest request = raceFileDialog();
        request.title = QStringLiteral("Öppna Startlista");
        const QString chosen = chooseFile(platform_.dialogs, request);
        if (chosen.isEmpty()) throw RuntimeError(Cancelled);
        refused = !openChosenRace(chosen);
        if (refused) return;
        DataFil = chosen;
        AntalDeltagare = 0;
        TavlingsNamn = race_data::raceName(DataFil);
        setWindowTitle(QStringLiteral("Brisrundan    ") + TavlingsNamn);
        panAdmin->setCaption(QStringLiteral("  Start och Målgång  ") + TavlingsNamn);
        KommentarFil = race_data::commentFileName(DataFil);
        lstDeltagare->Clear();
        listParticipants();
    });
    if (!opened || refused) return;

    skipOnError([this] { RensaDesken(); });
    skipOnError([this] { panDeltagare->setCaption(participantListCaption(AntalDeltagare)); });
    BatarIMal = freshFlags(AntalDeltagare);
    GemensamStart = race_.lastStartTid();
    race_.markFinishedRecords();
    syncFlags();
    saveSettings();
    if (!(GemensamStart > 0)) {
        lblPanD_Click();
    } else {
        skipOnError([this] { showStartTime(); });
        lstPG->Clear();
        lstMg->Clear();
        lstSortMG->Clear();
        skipOnError([this] { fillApproachList(); });
        restoreFinishQueue();
        lblPanSM_Click();
    }
    showLoadedRace();
}

void frmMain::lblSave_Click() {
    // A race whose files have vanished is written anew from what the desk holds: there is nothing to copy.
    std::optional<std::vector<race_data::HeldRecord>> held;
    if (race_.filesOpen() && !race_.files().stillAtPath()) held = race_.heldRecords();
    trapErrors([this, &held] {
        closeRaceFiles();
        platform::FileDialogRequest request = raceFileDialog();
        request.save = true;
        request.title = QStringLiteral("Spara fil som ...");
        request.fileName = QString();
        SparaSomFil = chooseFile(platform_.dialogs, request);
        if (held) {
            race_data::writeRaceAnew(SparaSomFil, *held);
            return;
        }
        if (!DataFil.isEmpty()) copyReplacing(DataFil, SparaSomFil);
        copyReplacing(race_data::commentFileName(DataFil), race_data::commentFileName(SparaSomFil));
    });
}

// Opens the race the operator chose in the race model; the desk then shows it. A race that another
// desk has open is refused with a message, and the desk stays as it was; other failures throw.
bool frmMain::openChosenRace(const QString& dataFil) {
    try {
        openRaceFiles(dataFil);
    } catch (const RuntimeError& e) {
        if (e.number() != runtime_error_numbers::PermissionDenied) throw;
        msg(openElsewhereText(dataFil) +
                QStringLiteral("\r\n\r\nAvsluta den först, om tävlingen ska skötas härifrån."),
            platform::Buttons::OK, platform::Icon::Information);
        return false;
    }
    settingsOfAnotherDesk_ = false;
    return true;
}

void frmMain::RensaDesken() {
    AktMalTid = 0;
    AktSeglTid = 0;
    AktKorrTid = 0;
    for (controls::TextField* field :
         std::initializer_list<controls::TextField*>{Namn, SegelId, BTyp, LysTal, CommentsBox})
        field->setText(QString());
    for (controls::Label* label : {Start, SlutTid, TotTid, KorrTid, lblDatum[0], lblDatum[1]})
        label->setCaption(QString());
    txtStartTid->setText(QString());
    BatarIMalText.clear();
    lstPG->Clear();
    lstMg->Clear();
    lstSortMG->Clear();
    race_.clearQueue(); // finish marks stay with their boats
    StartMsg->setVisible(false);
    showSegelNr(false);
    panDeltagare->setCaption(QStringLiteral("  Deltagare"));
    StartButton->setEnabled(true);
}
