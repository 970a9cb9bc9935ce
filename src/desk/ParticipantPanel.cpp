// The participant panel: showing, adding, editing, saving and removing participants.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeltagarPost.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "RaceTime.h"
#include "RuntimeError.h"

#include "ShownTexts.h"

namespace {
constexpr int CtrlZ = 26;
}

// With nothing selected the record cannot be found and the all-zero participant is shown.
void frmMain::lstDeltagare_Click() {
    int record = 0;
    skipOnError([this, &record] { record = lstDeltagare->ItemData(lstDeltagare->ListIndex()); });
    PostTillFalt(race_.record(record));
    cboStart->setText(race_.groupOf(record));
}

void frmMain::PostTillFalt(const DeltagarPost& post) {
    // In a race of several groups a boat's record holds its own group's start.
    const race::ShownTexts shown =
        race::shownTexts(post, race_.severalGroups() ? post.StartTid : GemensamStart);
    lblDatum[1]->setCaption(QString());
    Namn->setText(shown.Namn);
    SegelId->setText(shown.SegelId);
    BTyp->setText(shown.BTyp);
    LysTal->setText(shown.LysTal);
    Start->setCaption(shown.Start);
    AktMalTid = post.MalTid;
    AktSeglTid = post.SeglTid;
    AktKorrTid = post.KorrigeradTid;
    SlutTid->setCaption(shown.SlutTid);
    lblDatum[1]->setCaption(shown.finishDate);
    TotTid->setCaption(shown.TotTid);
    KorrTid->setCaption(shown.KorrTid);
    QString comment;
    if (post.KommentarPos >= 1)
        skipOnError([&] { comment = race_.files().readComment(post.KommentarPos, post.KommentarLen); });
    CommentsBox->setText(comment);
}

void frmMain::FaltTillPost(DeltagarPost& post) {
    post.Namn = Namn->Text();
    post.SegelId = SegelId->Text();
    post.BTyp = BTyp->Text();
    if (const std::optional<float> lys = timing::readLysTal(LysTal->Text())) post.LysTal = *lys;
    post.StartTid = GemensamStart;
    post.MalTid = AktMalTid;
    post.SeglTid = AktSeglTid;
    post.KorrigeradTid = AktKorrTid;
    post.Borttagen = 0;
    // The comment's place and length are set by the race as it appends the comment.
}

// The entry shows the typed name and sail id as the record will keep them.
int frmMain::LaggTillListRad(std::int32_t recordNumber, int replacing) {
    DeltagarPost typed;
    typed.Namn = Namn->Text();
    typed.SegelId = SegelId->Text();
    return showSavedEntry(recordNumber, entryText(typed), replacing);
}

void frmMain::VisaListKnappar() {
    OkButton->setVisible(false);
    CancelButton->setVisible(false);
    AddButton->setVisible(true);
    EditButton->setVisible(true);
    DeleteButton->setVisible(true);
}

void frmMain::VisaEditKnappar() {
    AddButton->setVisible(false);
    EditButton->setVisible(false);
    DeleteButton->setVisible(false);
    OkButton->setVisible(true);
    CancelButton->setVisible(true);
}

// The fields of the participant on show; the race under way stays on the start-and-finish panel.
void frmMain::clearParticipantFields() {
    AktMalTid = 0;
    AktSeglTid = 0;
    AktKorrTid = 0;
    for (controls::TextField* field :
         std::initializer_list<controls::TextField*>{Namn, SegelId, BTyp, LysTal, CommentsBox})
        field->setText(QString());
    cboStart->setText(QString());
    for (controls::Label* label : {Start, SlutTid, TotTid, KorrTid, lblDatum[1]})
        label->setCaption(QString());
}

void frmMain::AddButton_Click() {
    clearParticipantFields();
    VisaEditKnappar();
    EditLage = false;
    setFocusTo(Namn);
}

void frmMain::EditButton_Click() {
    if (lstDeltagare->ListIndex() < 0) {
        platform_.dialogs.beep();
        return;
    }
    VisaEditKnappar();
    EditLage = true;
}

void frmMain::CancelButton_Click() {
    lstDeltagare_Click();
    VisaListKnappar();
}

void frmMain::OkButton_Click() {
    const Command command(*this);
    if (Namn->Text().isEmpty()) {
        msg(QStringLiteral("Namn får inte vara tomt"));
        setFocusTo(Namn);
        return;
    }
    std::int32_t recordNumber = 0;
    int replacing = -1;
    if (EditLage) {
        replacing = lstDeltagare->ListIndex();
        if (replacing < 0) { // nothing to save over: refuse calmly
            platform_.dialogs.beep();
            return;
        }
        recordNumber = lstDeltagare->ItemData(replacing);
    } else {
        ++AntalDeltagare;
        // With the race files closed (after "Spara Som") the record gets number 0 and is not written.
        skipOnError([this, &recordNumber] { recordNumber = race_.recordCount() + 1; });
        BatarIMal = freshFlags(AntalDeltagare);
    }
    const int added = LaggTillListRad(recordNumber, replacing);
    saveMovedFlags(); // marks belong to records, so they follow a boat that moved in the list
    DeltagarPost post;
    FaltTillPost(post);
    const race::SaveFailures failed =
        race_.saveParticipant(recordNumber, post, trimBlanks(CommentsBox->Text()));
    if (failed.record && failed.record->number() == runtime_error_numbers::PathFileAccess) {
        showUpdateError();
        if (replacing < 0) return withdrawUnsavedParticipant(recordNumber, added);
    } else if (failed.record) {
        showWriteFailure(*failed.record, QStringLiteral("Deltagaren är inte sparad."), failed.comment);
        if (replacing < 0) return withdrawUnsavedParticipant(recordNumber, added);
    } else if (failed.comment) {
        showWriteFailure(*failed.comment, QStringLiteral("Deltagaren är sparad, men inte kommentaren."));
    }
    saveBoatGroup(recordNumber);
    showRanking(); // a changed LYS number may have moved a finished boat
    skipOnError([this, added] { lstDeltagare->setListIndex(added); });
    VisaListKnappar();
    setFocusTo(lstDeltagare);
}

// A new boat whose record could not be written leaves the lists, so that no entry points at a record
// the next boat will take; the panel keeps what was typed, and "Ok" tries again.
void frmMain::withdrawUnsavedParticipant(int record, int position) {
    showDeletedEntry(record, position, -1);
    --AntalDeltagare;
    setFocusTo(Namn);
}

void frmMain::DeleteButton_Click() {
    const Command command(*this);
    const platform::Answer sure =
        ask(QStringLiteral("Varning du håller på att ta bort en deltagare !"), QStringLiteral("lstDeltagare"),
            platform::Buttons::OKCancel, platform::Icon::Critical, platform::Answer::Cancel);
    if (sure == platform::Answer::Cancel) return;
    int p = lstDeltagare->ListIndex();
    if (p < 0) {
        platform_.dialogs.beep();
        return;
    }
    const std::int32_t recordNumber = lstDeltagare->ItemData(p);
    DeltagarPost post;
    FaltTillPost(post);
    int leftQueue = -1;
    try {
        leftQueue = race_.deleteParticipant(recordNumber, post);
    } catch (const RuntimeError&) {
        // The participant stays in the race file, so it stays in the list too.
        showUpdateError();
        return;
    }
    showDeletedEntry(recordNumber, p, leftQueue);
    p = std::max(p - 1, 0);
    if (p < lstDeltagare->ListCount()) lstDeltagare->setListIndex(p);
    const platform::Answer more =
        ask(QStringLiteral("För att få ordning på nya index bör du starta om\r\n\r\n\r\n\r\n"
                           "Skall du ta bort fler Välj Avbryt"),
            QStringLiteral("Tar bort deltagare"), platform::Buttons::OKCancel, platform::Icon::Information,
            platform::Answer::OK);
    if (more == platform::Answer::Cancel) return;
    if (lstDeltagare->ListIndex() >= 0)
        lblOpen_Click();
    else
        platform_.dialogs.beep();
}

int frmMain::Form_KeyPress(int keyAscii) {
    if (keyAscii == 27) txtInfo->setVisible(false);
    if (keyAscii == CtrlZ) {
        if (lastRegistered_ > 0) takeBack(lastRegistered_);
        return 0;
    }
    if (controls::ownVisible(panDeltagare) && !controls::ownVisible(OkButton) && keyAscii >= 32) {
        msg(QStringLiteral("Du vill Editera Tryck Ok när du är klar"));
        EditButton_Click();
    }
    return keyAscii;
}

int frmMain::LysTal_KeyPress(int keyAscii) {
    if (keyAscii == 8 || keyAscii == 13 || keyAscii == 44 || (keyAscii >= 48 && keyAscii <= 57))
        return keyAscii;
    if (keyAscii == 46) return 44;
    return 0;
}
