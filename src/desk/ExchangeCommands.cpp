// "Exportera" and "Importera": the result list out to a file for the club, an entry list in.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "EntryImport.h"
#include "ErrorStyles.h"
#include "ImportQuestion.h"
#include "RaceFiles.h"
#include "RaceTime.h"
#include "RuntimeError.h"
#include "ShownResultList.h"
#include "frmResultat.h"

#include <QFileInfo>

namespace {

const QString ExportTitle = QStringLiteral("Exportera ResultatLista");
const QString ImportTitle = QStringLiteral("Importera deltagare");

} // namespace

void frmMain::lblExport_Click() {
    frmResultat& r = resultat();
    if (!controls::ownVisible(&r)) {
        msg(QStringLiteral("Du måste välja ResultatLista först"));
        return;
    }
    platform::FileDialogRequest request;
    request.save = true;
    request.title = ExportTitle;
    request.filter = results::exportDialogFilter();
    request.typeSetsExtension = true;
    request.initDir = QFileInfo(DataFil).absolutePath();
    request.defaultExt = QStringLiteral("html");
    request.fileName = TavlingsNamn;
    request.cancelError = false;
    const std::optional<QString> chosen = platform_.dialogs.fileDialog(request);
    if (!chosen) return;
    try {
        results::exportResultList(*chosen,
                                  results::shownResultList(r, timing::timeStamp(platform_.clock.now())));
        r.lblStatus->setCaption(QStringLiteral("Sparad: ") + *chosen);
    } catch (const std::exception& e) {
        msg(QStringLiteral("ResultatListan kunde inte exporteras.\r\n\r\n") + QString::fromUtf8(e.what()),
            platform::Buttons::OK, platform::Icon::Exclamation, ExportTitle);
    }
}

void frmMain::lblImport_Click() {
    platform::FileDialogRequest request;
    request.title = ImportTitle;
    request.filter = QStringLiteral("Deltagarlista *.csv;*.txt|*.csv;*.txt");
    request.initDir = QFileInfo(DataFil).absolutePath();
    request.cancelError = false;
    const std::optional<QString> chosen = platform_.dialogs.fileDialog(request);
    if (!chosen) return;
    QByteArray bytes;
    try {
        bytes = race_data::readWholeFile(*chosen);
    } catch (const RuntimeError& e) {
        msg(QStringLiteral("Filen kan inte läsas:\r\n") + *chosen + QStringLiteral("\r\n\r\n") + e.reason(),
            platform::Buttons::OK, platform::Icon::Exclamation, ImportTitle);
        return;
    }
    QStringList sailIds;
    for (const int n : race_.liveRecords())
        sailIds.append(trimBlanks(race_.record(n).SegelId));
    const race_data::EntryList list = race_data::parseEntryList(bytes, sailIds);
    if (list.entries.empty() && list.refused.empty()) {
        msg(QStringLiteral("Filen innehåller inga deltagare:\r\n") + *chosen, platform::Buttons::OK,
            platform::Icon::Exclamation, ImportTitle);
        return;
    }
    const platform::Answer go =
        ask(race_data::importQuestion(list, TavlingsNamn), ImportTitle, platform::Buttons::OKCancel,
            platform::Icon::Information, platform::Answer::OK);
    if (go == platform::Answer::OK) addImportedEntries(list);
}

// Each boat as "Ny Post" and "Ok" would add it: appended, sorted into the lists. The first refused
// write ends the import with the desk's write-error message; the boats before it stay.
void frmMain::addImportedEntries(const race_data::EntryList& list) {
    int firstAdded = 0;
    std::vector<std::pair<int, QString>> groups;
    QString firstGrouped;
    for (const race_data::ImportedEntry& e : list.entries) {
        int record = 0;
        try {
            record = race_.addParticipant(e.Namn, e.SegelId, e.BTyp, e.LysTal);
        } catch (const RuntimeError& failure) {
            if (failure.number() == runtime_error_numbers::PathFileAccess)
                showUpdateError();
            else
                showWriteFailure(failure, QStringLiteral("Importen avbröts: ") + e.Namn +
                                              QStringLiteral(" och båtarna efter är inte tillagda."));
            break;
        }
        ++AntalDeltagare;
        if (!e.group.isEmpty()) {
            groups.emplace_back(record, e.group);
            if (firstGrouped.isEmpty()) firstGrouped = e.Namn;
        }
        showSavedEntry(record, race_.entry(record), -1);
        if (firstAdded == 0) firstAdded = record;
    }
    if (firstAdded == 0) return;
    if (const std::optional<RuntimeError> failure = race_.setGroups(groups))
        showWriteFailure(*failure, QStringLiteral("Startgruppen för ") + firstGrouped +
                                       QStringLiteral(" är inte sparad."));
    skipOnError([this] { race_.flush(); });
    BatarIMal = freshFlags(AntalDeltagare);
    saveMovedFlags();
    panDeltagare->setCaption(participantListCaption(AntalDeltagare));
    lblPanD_Click();
    skipOnError([this, firstAdded] { lstDeltagare->setListIndex(listPosition(firstAdded)); });
}
