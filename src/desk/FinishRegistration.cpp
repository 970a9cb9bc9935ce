// The finish: queuing approaching boats, registering a finish at the click, typed finish times and
// the ranking by corrected time.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeltagarPost.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "RaceTime.h"
#include "Settings.h"
#include "frmResultat.h"

namespace {

const QString Registered = QStringLiteral("är redan noterad för målgång");

QString flagAt(const QStringList& flags, int position) {
    return position >= 0 && position < flags.size() ? flags[position] : QString();
}

} // namespace

void frmMain::lstPG_DblClick() {
    const int selected = lstPG->ListIndex();
    if (selected < 0) return;
    const QString text = lstPG->List(selected);
    for (int j = 0; j < lstMg->ListCount(); ++j)
        if (lstMg->List(j) == text) return;
    if (flagAt(BatarIMal, selected) == QLatin1String("x")) return;
    lstMg->AddItem(text);
    lstMg->setItemData(lstMg->NewIndex(), selected);
}

// Flags never shrink, and a position past the end of a list cut short grows the list.
void frmMain::flagFinish(int position) {
    while (BatarIMal.size() <= position)
        BatarIMal.append(QString());
    BatarIMal[position] = QStringLiteral("x");
}

void frmMain::lstMg_Click() {
    const int selected = lstMg->ListIndex();
    if (selected < 0) return;
    const int p = lstMg->ItemData(selected);
    if (flagAt(BatarIMal, p).isEmpty()) {
        AktMalTid = timing::timeStamp(platform_.clock.now());
        MTid->setText(timing::formatDate(AktMalTid, QStringLiteral("mm-dd  hh:mm:ss")));
        registerClickedFinish(selected, p, AktMalTid, true);
        return;
    }
    skipOnError([this, p] { lstDeltagare->setListIndex(p); });
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
    registerClickedFinish(selected, p, AktMalTid, false);
}

// What a click registration stores: the date tag, the flag, the sound, the queue mark, the record, the
// ranking and the settings, all on the disk before the handler returns.
void frmMain::registerClickedFinish(int queueIndex, int position, double finishTime, bool markEntry) {
    skipOnError([this, finishTime] { controls::setTag(resultat().lvw, timing::dateText(finishTime)); });
    flagFinish(position);
    BatarIMalText = BatarIMal.join(QLatin1Char('*'));
    platform_.sound.play(besideProgram(appPath(), QStringLiteral("Gun.wav")));
    if (markEntry) lstMg->setList(queueIndex, QStringLiteral("¤") + lstMg->List(queueIndex));
    SparaMalTid(position, finishTime);
    rebuildRanking();
    race_data::SparaInstallningar(race_data::settingsPath(appPath()), DataFil, BatarIMal);
    StartButton->setEnabled(false);
    skipOnError([this] { files_.sync(); });
}

int frmMain::MTid_KeyPress(int keyAscii) {
    if (keyAscii != 13) return keyAscii;
    const int selected = lstMg->ListIndex();
    if (selected < 0) return keyAscii;
    const int p = lstMg->ItemData(selected);
    const bool registered = !flagAt(BatarIMal, p).isEmpty();
    QString datePrefix =
        timing::formatDate(timing::timeStamp(platform_.clock.now()), QStringLiteral("yyyy-mm-dd "));
    if (registered)
        skipOnError(
            [&] { datePrefix = timing::dateText(files_.readRecord(lstDeltagare->ItemData(p)).MalTid); });
    const std::optional<double> typed = timing::typedFinishTime(datePrefix, MTid->Text());
    if (!typed) { // a text that does not read as a time changes nothing
        platform_.dialogs.beep();
        return keyAscii;
    }
    if (registered) {
        const platform::Answer answer = ask(lstMg->List(selected) + QStringLiteral("\r\n\r\n") + Registered +
                                                QStringLiteral("\r\n\r\nskall ny tid registreras ?"),
                                            QStringLiteral("Målgång För"), platform::Buttons::YesNo,
                                            platform::Icon::Exclamation, platform::Answer::No);
        if (answer != platform::Answer::Yes) return keyAscii;
        SlutTid->setCaption(timing::clockText(*typed));
        lblDatum[1]->setCaption(timing::dateText(*typed));
    }
    AktMalTid = *typed;
    flagFinish(p);
    SparaMalTid(p, AktMalTid);
    rebuildRanking();
    skipOnError([this] { files_.sync(); });
    platform_.dialogs.beep();
    return keyAscii;
}

void frmMain::SparaMalTid(int position, double finishTime) {
    EditLage = true;
    skipOnError([this, position] { lstDeltagare->setListIndex(position); });
    AktMalTid = finishTime;
    AktSeglTid = timing::sailedTime(AktMalTid, GemensamStart);
    AktKorrTid = timing::correctedTime(AktSeglTid, timing::readLysTal(LysTal->Text()).value_or(0.0f));
    SlutTid->setCaption(timing::clockText(AktMalTid));
    lblDatum[1]->setCaption(timing::dateText(finishTime));
    TotTid->setCaption(timing::TidSkillnad(AktMalTid, GemensamStart));
    STid->setCaption(TotTid->caption());
    KorrTid->setCaption(timing::TidText(AktKorrTid));
    KTid->setCaption(KorrTid->caption());
    skipOnError([this, position] { lstPG->setListIndex(position); });
    OkButton_Click();
}

// Ranks every queued boat by the corrected-time key of its stored record, as showing each boat in turn
// would (a boat whose record cannot be read shows, and ranks with, 0:00:00). The desk ends showing the
// boat of the last queue entry.
void frmMain::rebuildRanking() {
    std::vector<std::pair<QString, std::int32_t>> keys;
    keys.reserve(lstMg->ListCount());
    QString shown = KorrTid->caption();
    int lastShown = -1;
    for (int j = 0; j < lstMg->ListCount(); ++j) {
        const int p = lstMg->ItemData(j);
        if (p >= 0 && p < lstDeltagare->ListCount()) {
            DeltagarPost post;
            skipOnError([&] { post = files_.readRecord(lstDeltagare->ItemData(p)); });
            shown = timing::TidText(post.KorrigeradTid);
            lastShown = p;
        }
        keys.emplace_back(timing::korrTidKey(shown), p);
    }
    lstSortMG->Fill(keys);
    if (lastShown >= 0) skipOnError([this, lastShown] { lstDeltagare->setListIndex(lastShown); });
}
