#include "frmResultat.h"

#include "ControlProps.h"
#include "ResultCorrections.h"
#include "ScreenFit.h"

#include <QPainter>

namespace {

constexpr int Enter = 13;

// Runs one step of a handler that goes on after a failing step.
template <class Step> void skipOnFailure(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

frmResultat::frmResultat(platform::Platform& platform, ResultDesk& desk) : platform_(platform), desk_(desk) {
    buildControls();
    resetToDesign();
    onUnload = [this] { Form_Unload(); };
    lvw->onItemClick = [this](int row) { skipOnFailure([&] { lvw_ItemClick(row); }); };
    for (std::size_t i = 0; i < lvwEdit.size(); ++i) {
        lvwEdit[i]->onKeyPress = [this, index = static_cast<int>(i)](int keyAscii) {
            int result = keyAscii;
            skipOnFailure([&] { result = lvwEdit_KeyPress(index, keyAscii); });
            return result;
        };
    }
    txtRubrik->onKeyPress = [this](int keyAscii) { return txtRubrik_KeyPress(keyAscii); };
    txtKlubb->onKeyPress = [this](int keyAscii) { return txtKlubb_KeyPress(keyAscii); };
    chkSlutlig->onClick = [this] { skipOnFailure([&] { chkSlutlig_Click(); }); };
    chkTotalt->onClick = [this] { skipOnFailure([&] { chkTotalt_Click(); }); };
}

void frmResultat::ensureLoaded() {
    if (loaded_) return;
    forgetLayoutBase();
    resetToDesign();
    loaded_ = true;
    Form_Load();
}

void frmResultat::unload() {
    forgetLayoutBase();
    resetToDesign();
    loaded_ = false;
}

void frmResultat::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void frmResultat::Form_Load() {
    skipOnFailure([&] { setWindowTwips(1950, 1170, 10020, 6645); });
    // The window's height must fit the screen; its top does not count, since the window moves up.
    float screenCorr = 1.0f;
    skipOnFailure(
        [&] { screenCorr = platform::screenCorrFor(platform_.screen, controls::twips(this).height()); });
    if (screenCorr > 1.0f) skipOnFailure([&] { ResizeForm(*this, screenCorr); });
    skipOnFailure([&] { moveOntoScreen(); });
    keepLayoutAsBase();
}

void frmResultat::moveOntoScreen() {
    const QRectF w = controls::twips(this);
    setWindowTwips(w.left(),
                   platform::topOnScreen(w.top(), w.height(), platform_.screen.availableHeightTwips()),
                   w.width(), w.height());
}

bool frmResultat::ResizeForm(frmResultat& FormName, float screenCorr) {
    FormName.scaleDesign(screenCorr);
    return true;
}

void frmResultat::lvw_ItemClick(int row) {
    if (row < 1 || row > lvw->RowCount()) return;
    for (std::size_t c = 0; c < lvwEdit.size(); ++c)
        lvwEdit[c]->setText(lvw->Cell(row, static_cast<int>(c)));
    lvw->setSelectedRow(row);
}

int frmResultat::lvwEdit_KeyPress(int /*index*/, int keyAscii) {
    if (keyAscii != Enter) return keyAscii;
    // The row written is the selected one, which need not be the row last copied into the boxes.
    const int row = lvw->SelectedRow();
    if (row == 0 || row > int(computed_.keys.size())) return keyAscii;
    const std::size_t r = std::size_t(row - 1);
    const QString rowName = lvw->Cell(row, 0);
    bool refused = false;
    for (std::size_t c = 0; c < lvwEdit.size(); ++c) {
        const QString before = lvw->Cell(row, static_cast<int>(c));
        const QString typed = lvwEdit[c]->text();
        if (before == typed) continue;
        if (!results::correctable(computed_, r, int(c))) {
            refused = true;
            continue;
        }
        results::correctCell(text_, computed_.keys[r], int(c), computed_.rows[r][c], typed);
        skipOnFailure([&] {
            desk_.journalResultEdit(lvw->headerItem()->text(static_cast<int>(c)), rowName, before, typed);
        });
    }
    showRows();
    lvw->setSelectedRow(row);
    if (refused)
        lblStatus->setCaption(
            QStringLiteral("Gruppernas rubriker, och placering och poäng i Totalt, rättas inte för hand"));
    keepText();
    return keyAscii;
}

// Enter keeps the heading with the race; the officer stays in the result window.
int frmResultat::txtRubrik_KeyPress(int keyAscii) {
    if (keyAscii != Enter) return keyAscii;
    const QString typed = txtRubrik->text().trimmed();
    if (typed == text_.heading) return 0;
    skipOnFailure([&] { desk_.journalResultEdit(QString(), QString(), text_.heading, typed); });
    text_.heading = typed;
    keepText();
    return 0;
}

int frmResultat::txtKlubb_KeyPress(int keyAscii) {
    if (keyAscii != Enter) return keyAscii;
    const QString typed = txtKlubb->text().trimmed();
    skipOnFailure([&] {
        desk_.journalResultEdit(QStringLiteral("Klubb"), QString(), text_.club.value_or(QString()), typed);
    });
    text_.club = typed;
    lblKlubbNamn->setCaption(typed);
    keepText();
    skipOnFailure([&] { desk_.rememberClub(typed); });
    return 0;
}

void frmResultat::chkSlutlig_Click() {
    const bool final = chkSlutlig->isChecked();
    journalTick(QStringLiteral("Slutlig"), text_.final, final);
    text_.final = final;
    keepText();
}

// All boats ranked together follow the groups, or go; the desk builds the list anew either way.
void frmResultat::chkTotalt_Click() {
    const bool total = chkTotalt->isChecked();
    journalTick(QStringLiteral("Totalt"), text_.total, total);
    text_.total = total;
    keepText();
    skipOnFailure([&] { desk_.rebuildResultList(); });
}

void frmResultat::journalTick(const QString& box, bool before, bool now) {
    skipOnFailure(
        [&] { desk_.journalResultEdit(box, QString(), before ? "ja" : "nej", now ? "ja" : "nej"); });
}

void frmResultat::keepText() {
    skipOnFailure([&] { desk_.saveResultText(text_); });
}

void frmResultat::showList(const results::ResultatLista& computed, const race_data::ResultText& text,
                           const QString& defaultHeading, const QString& defaultClub) {
    computed_ = computed;
    text_ = text;
    txtRubrik->setText(text.heading);
    txtRubrik->setPlaceholderText(defaultHeading);
    txtRubrik->setCursorPosition(0);
    txtKlubb->setText(text.club.value_or(defaultClub));
    lblKlubbNamn->setCaption(txtKlubb->text());
    chkSlutlig->setChecked(text.final);
    chkTotalt->setChecked(text.total);
    chkTotalt->setVisible(!computed.sections.empty());
    showRows();
}

void frmResultat::showRows() {
    results::ResultatLista shown = computed_;
    results::applyCorrections(shown, text_);
    lvw->setUpdatesEnabled(false);
    lvw->ClearRows();
    for (std::size_t r = 0; r < shown.rows.size(); ++r) {
        const int n = lvw->AddRow(shown.rows[r][0]);
        for (int c = 0; c < int(results::ColumnCount); ++c) {
            lvw->setCell(n, c, shown.rows[r][std::size_t(c)]);
            if (results::correctable(shown, r, c) && results::isCorrected(text_, shown.keys[r], c))
                lvw->setCellMarked(n, c, true,
                                   QStringLiteral("Rättad för hand; listan ger \"%1\"")
                                       .arg(computed_.rows[r][std::size_t(c)]));
        }
    }
    lvw->setUpdatesEnabled(true);
}

QString frmResultat::clubName() const {
    return txtKlubb->text().trimmed();
}

QString frmResultat::heading() const {
    const QString typed = txtRubrik->text().trimmed();
    return typed.isEmpty() ? txtRubrik->placeholderText() : typed;
}

bool frmResultat::isFinal() const {
    return chkSlutlig->isChecked();
}

void frmResultat::Form_Unload() {
    skipOnFailure([&] { desk_.lblPanD_Click(); });
    skipOnFailure([&] { unload(); });
}

void frmResultat::paintEvent(QPaintEvent* event) {
    controls::Form::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}
