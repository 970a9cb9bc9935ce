// The finish: queuing approaching boats, registering a finish at the click, typed finish times and
// the ranking by corrected time. A boat is its record number from the edge of each handler on.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "RaceTime.h"
#include "Settings.h"
#include "frmResultat.h"

namespace {
const QString Registered = QStringLiteral("är redan noterad för målgång");
}

void frmMain::lstPG_DblClick() {
    const int selected = lstPG->ListIndex();
    if (selected < 0) return;
    const int queued = race_.enqueue(lstPG->ItemData(selected));
    if (queued < 0) return;
    lstMg->AddItem(race_.queueText(queued));
    lstMg->setItemData(lstMg->NewIndex(), race_.queue()[std::size_t(queued)].record);
    lstMg->scrollToItem(lstMg->item(lstMg->NewIndex())); // the newest boat in the queue is in view
}

void frmMain::lstMg_Click() {
    const Command command(*this);
    const int selected = lstMg->ListIndex();
    if (selected < 0) return;
    const int record = lstMg->ItemData(selected);
    if (refusedBeforeItsStart(record)) return;
    if (!race_.registered(record)) {
        AktMalTid = timing::timeStamp(platform_.clock.now());
        MTid->setText(timing::formatDate(AktMalTid, QStringLiteral("mm-dd  hh:mm:ss")));
        registerFinishAt(selected, record, AktMalTid, true);
        return;
    }
    selectParticipantRecord(record);
    MTid->setText(SlutTid->caption());
    const double n = timing::timeStamp(platform_.clock.now());
    const platform::Answer answer =
        ask(lstMg->List(selected) + QStringLiteral("\r\n\r\n") + Registered +
                QStringLiteral("\r\n\r\nskall ny tid registreras ?   ") + timing::clockText(n) +
                QStringLiteral("\r\n\r\nDu kan även Editera i TextBoxen, tryck Nej och Editera"),
            QStringLiteral("Målgång För"), platform::Buttons::YesNo, platform::Icon::Exclamation,
            platform::Answer::No);
    if (answer != platform::Answer::Yes) return;
    AktMalTid = n;
    MTid->setText(timing::clockText(AktMalTid));
    SlutTid->setCaption(timing::clockText(AktMalTid));
    lblDatum[1]->setCaption(timing::dateText(AktMalTid));
    registerFinishAt(selected, record, AktMalTid, false);
}

// The one road of a click registration: the date tag, the sound, the queue mark, the record with its
// times (flushed), the ranking, the settings file (after the race files are on the disk).
void frmMain::registerFinishAt(int queueIndex, int record, double finishTime, bool markEntry) {
    skipOnError([this, finishTime] { controls::setTag(resultat().lvw, timing::dateText(finishTime)); });
    platform_.sound.play(besideProgram(appPath(), QStringLiteral("Gun.wav")));
    if (markEntry) {
        race_.markQueued(race_.queueIndexOf(record));
        lstMg->setList(queueIndex, QStringLiteral("¤") + lstMg->List(queueIndex));
    }
    SparaMalTid(record, finishTime, finishSource_);
    lastRegistered_ = record;
    BatarIMalText = BatarIMal.join(QLatin1Char('*'));
    saveSettings();
    clearFailureBanner();
    StartButton->setEnabled(startButtonUsable());
}

int frmMain::MTid_KeyPress(int keyAscii) {
    if (keyAscii != 13) return keyAscii;
    const int selected = lstMg->ListIndex();
    if (selected < 0) return keyAscii;
    registerTypedFinish(lstMg->ItemData(selected), MTid->Text());
    return keyAscii;
}

// A finish time typed for a boat ("Målgång Kl", or "4410 12:04:10" in the sail-number box): one question
// naming the boat and the times, Yes by default since the officer typed it, then the registration.
void frmMain::registerTypedFinish(int record, const QString& text) {
    const Command command(*this);
    if (refusedBeforeItsStart(record)) return;
    const bool registered = race_.registered(record);
    const double oldTime = race_.record(record).MalTid;
    const QString datePrefix = registered ? timing::dateText(oldTime)
                                          : timing::formatDate(timing::timeStamp(platform_.clock.now()),
                                                               QStringLiteral("yyyy-mm-dd "));
    const std::optional<double> typed = timing::typedFinishTime(datePrefix, text);
    if (!typed) { // a text that does not read as a time changes nothing
        platform_.dialogs.beep();
        return;
    }
    const QString name = trimBlanks(race_.record(record).Namn);
    const QString question =
        registered ? QStringLiteral("Ändra målgång för %1 från %2 till %3?")
                         .arg(name, timing::clockText(oldTime), timing::clockText(*typed))
                   : QStringLiteral("Registrera målgång för %1 kl %2?").arg(name, timing::clockText(*typed));
    if (ask(question, QStringLiteral("Målgång För"), platform::Buttons::YesNo, platform::Icon::Exclamation,
            platform::Answer::Yes) != platform::Answer::Yes)
        return;
    const int queued = queueForFinish(record);
    if (queued >= 0 && !race_.queue()[std::size_t(queued)].marked) {
        race_.markQueued(queued);
        lstMg->setList(queued, race_.queueText(queued));
    }
    AktMalTid = *typed;
    SlutTid->setCaption(timing::clockText(*typed));
    lblDatum[1]->setCaption(timing::dateText(*typed));
    SparaMalTid(record, AktMalTid, race::FinishSource::InskrivenTid);
    // The finish is in the settings at once: a typed time survives an abrupt end like a click.
    BatarIMalText = BatarIMal.join(QLatin1Char('*'));
    saveSettings();
    clearFailureBanner();
    StartButton->setEnabled(startButtonUsable());
    lastRegistered_ = record;
    platform_.dialogs.beep();
}

// Registers the boat's finish in the race and shows it: its times on the finish panel, its entry
// where the save put it, the ranking; the desk ends showing the boat of the last queue entry.
void frmMain::SparaMalTid(int record, double finishTime, race::FinishSource source) {
    EditLage = true;
    const race::Finish finish = race_.registerFinish(record, finishTime, source);
    AktMalTid = finish.finish;
    AktSeglTid = finish.sailed;
    AktKorrTid = finish.corrected;
    STid->setCaption(timing::TidSkillnad(finish.finish, race_.startOf(record)));
    KTid->setCaption(timing::TidText(finish.corrected));
    showSavedEntry(record, finish.entry, listPosition(record));
    showApproach(record);
    if (finish.failure && finish.failure->number() == runtime_error_numbers::PathFileAccess) {
        showUpdateError();
    } else if (finish.failure) { // the boat stays marked: the desk keeps what the operator saw
        showWriteFailure(*finish.failure,
                         QStringLiteral("Målgången för ") + finish.entry + QStringLiteral(" är inte sparad."),
                         finish.commentFailure);
    } else if (finish.commentFailure) {
        showWriteFailure(*finish.commentFailure,
                         QStringLiteral("Målgången för ") + finish.entry +
                             QStringLiteral(" är sparad; kommentaren kunde inte sparas."));
    }
    showRankingMoves(finish.moves);
    syncFlags();
    if (!race_.queue().empty()) selectParticipantRecord(race_.queue().back().record);
    VisaListKnappar();
    setFocusTo(lstDeltagare);
    focusFinishLine();
}

// Places each moved key in the hidden ranking list where the race ranks it.
void frmMain::showRankingMoves(const std::vector<race::Ranking::Move>& moves) {
    for (const race::Ranking::Move& m : moves) {
        if (m.removedAt >= 0) lstSortMG->RemoveItem(m.removedAt);
        lstSortMG->InsertAt(m.insertedAt, m.key, m.record);
    }
}
