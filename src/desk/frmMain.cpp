#include "frmMain.h"

#include "RaceTime.h"

#include "ControlProps.h"
#include "LiveServer.h"
#include "frmResultat.h"

#include <QDir>
#include <QEvent>
#include <QPainter>
#include <QTimer>

frmMain::frmMain(platform::Platform& platform) : GemensamStart(race_.startRef()), platform_(platform) {
    setWindowTitle(QStringLiteral("Brisrundan"));
    race_.setClock([this] { return timing::timeStamp(platform_.clock.now()); });
    buildControls();
    wireHandlers();
    background_ = QImage(QStringLiteral(":/pictures/Bakgrund.png"));
    resultat_ = std::make_unique<frmResultat>(platform_, *this);
    // The display timer repaints the race clock every second; it changes nothing in the race.
    auto* clockTimer = new QTimer(this);
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, [this] {
        if (loaded_) showRaceClock();
    });
    clockTimer->start();
}

frmMain::~frmMain() = default;

void frmMain::wireHandlers() {
    lblNewFile->onClick = [this] { lblNewFile_Click(); };
    lblOpen->onClick = [this] { lblOpen_Click(); };
    lblSave->onClick = [this] { lblSave_Click(); };
    lblInfo->onClick = [this] { lblInfo_Click(); };
    lblQuit->onClick = [this] { lblQuit_Click(); };
    lblPanD->onClick = [this] { lblPanD_Click(); };
    lblPanSM->onClick = [this] { lblPanSM_Click(); };
    lblfrmRes->onClick = [this] { lblfrmRes_Click(); };
    lblPublicera->onClick = [this] { lblPublicera_Click(); };
    lblPanPrint->onClick = [this] { lblPanPrint_Click(); };
    lblExport->onClick = [this] { lblExport_Click(); };
    lblImport->onClick = [this] { lblImport_Click(); };

    lstDeltagare->onClick = [this] { lstDeltagare_Click(); };
    AddButton->onClick = [this] { AddButton_Click(); };
    EditButton->onClick = [this] { EditButton_Click(); };
    CancelButton->onClick = [this] { CancelButton_Click(); };
    OkButton->onClick = [this] { OkButton_Click(); };
    DeleteButton->onClick = [this] { DeleteButton_Click(); };
    keyPreview = [this](int key) { return Form_KeyPress(key); };
    LysTal->onKeyPress = [this](int key) { return LysTal_KeyPress(key); };

    // Fields light up while they have the focus.
    constexpr std::uint32_t Field = 0xDEEFEF, FieldFocus = 0xFEF0D3;
    for (QWidget* box : {static_cast<QWidget*>(Namn), static_cast<QWidget*>(SegelId),
                         static_cast<QWidget*>(BTyp), static_cast<QWidget*>(LysTal),
                         static_cast<QWidget*>(CommentsBox), static_cast<QWidget*>(txtSegelNr)})
        setFocusHandlers(
            box, [box] { controls::setBackColor(box, FieldFocus); },
            [box] { controls::setBackColor(box, Field); });
    setFocusHandlers(
        lstDeltagare, [this] { controls::setBackColor(lstDeltagare, 0xC4DDDE); },
        [this] { controls::setBackColor(lstDeltagare, 0xC2DFE0); });

    StartButton->onClick = [this] { StartButton_Click(); };
    lstStarter->onClick = [this] { lstStarter_Click(); };
    cboStart->onClick = [this] { cboStart_Click(); };
    cboStart->onKeyPress = [this](int key) { return cboStart_KeyPress(key); };
    txtStartTid->onKeyPress = [this](int key) { return txtStartTid_KeyPress(key); };
    lstPG->onDblClick = [this] { lstPG_DblClick(); };
    lstMg->onClick = [this] { lstMg_Click(); };
    MTid->onKeyPress = [this](int key) { return MTid_KeyPress(key); };
    txtSegelNr->onKeyPress = [this](int key) { return txtSegelNr_KeyPress(key); };

    onUnload = [this] { Form_Unload(); };
}

frmResultat& frmMain::resultat() {
    resultat_->ensureLoaded();
    return *resultat_;
}

frmResultat* frmMain::resultatIfLoaded() const {
    return resultat_->isLoaded() ? resultat_.get() : nullptr;
}

QString frmMain::appPath() const {
    return platform_.app.path();
}

void frmMain::msg(const QString& text, platform::Buttons buttons, platform::Icon icon, const QString& title) {
    platform_.dialogs.messageBox({text, title, buttons, icon, platform::Answer::OK});
    focusFinishLine();
}

platform::Answer frmMain::ask(const QString& text, const QString& title, platform::Buttons buttons,
                              platform::Icon icon, platform::Answer defaultButton) {
    const platform::Answer answer = platform_.dialogs.messageBox({text, title, buttons, icon, defaultButton});
    focusFinishLine();
    return answer;
}

// During a race the sail-number box owns the keyboard: the next number typed is never lost.
void frmMain::focusFinishLine() {
    if (GemensamStart > 0 && controls::ownVisible(panAdmin) && controls::ownVisible(txtSegelNr))
        setFocusTo(txtSegelNr);
}

// The real program runs Form_Activate whenever the desk becomes the active window again.
void frmMain::changeEvent(QEvent* event) {
    controls::Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && activateOnWindowActivation_ && loaded_ &&
        isActiveWindow())
        Form_Activate();
}
