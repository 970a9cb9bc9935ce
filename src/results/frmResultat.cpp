#include "frmResultat.h"

#include "ControlProps.h"
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
    if (row == 0) return keyAscii;
    const QString rowName = lvw->Cell(row, 0);
    for (std::size_t c = 0; c < lvwEdit.size(); ++c) {
        const QString before = lvw->Cell(row, static_cast<int>(c));
        lvw->setCell(row, static_cast<int>(c), lvwEdit[c]->text());
        if (before != lvwEdit[c]->text())
            skipOnFailure([&] {
                desk_.journalResultEdit(lvw->headerItem()->text(static_cast<int>(c)), rowName, before,
                                        lvwEdit[c]->text());
            });
    }
    return keyAscii;
}

int frmResultat::txtRubrik_KeyPress(int keyAscii) {
    if (keyAscii != Enter) return keyAscii;
    skipOnFailure([&] { desk_.journalResultEdit(QString(), QString(), QString(), txtRubrik->text()); });
    skipOnFailure([&] { desk_.selectParticipant(0); });
    QString withHeading;
    skipOnFailure([&] {
        withHeading =
            desk_.commentsBoxText() + QStringLiteral("\r\nUtskrift Rubrik :\r\n") + txtRubrik->text();
        desk_.setCommentsBoxText(withHeading);
    });
    skipOnFailure([&] {
        platform::MessageBoxRequest box;
        box.text = QStringLiteral("Nu kan du Spara rubriken genom att Editera");
        box.title = platform_.app.title();
        platform_.dialogs.messageBox(box);
    });
    skipOnFailure([&] { desk_.showDesk(); });
    skipOnFailure([&] { desk_.lblPanD_Click(); });
    // Showing the participant panel reads the first participant afresh from the race file; the heading
    // stays in the comment box so that the operator can save it.
    skipOnFailure([&] { desk_.setCommentsBoxText(withHeading); });
    return keyAscii;
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
