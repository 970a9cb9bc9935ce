// Which panel is shown, the info text, the tiled background and scaling to wide screens.
#include "frmMain.h"

#include "ControlProps.h"
#include "ErrorStyles.h"
#include "HelpWindow.h"
#include "ScreenFit.h"
#include "frmResultat.h"

#include <QPainter>

void frmMain::lblPanD_Click() {
    panDeltagare->setVisible(true);
    panAdmin->setVisible(false);
    txtInfo->setVisible(false);
    if (frmResultat* r = resultatIfLoaded()) r->hide();
    STid->setCaption(QString());
    KTid->setCaption(QString());
    MTid->setText(QString());
    skipOnError([this] { lstDeltagare->setListIndex(0); });
}

void frmMain::lblPanSM_Click() {
    panDeltagare->setVisible(false);
    panAdmin->setVisible(true);
    txtInfo->setVisible(false);
    if (frmResultat* r = resultatIfLoaded()) r->hide();
    showStarters();
}

void frmMain::lblInfo_Click() {
    if (GemensamStart > 0) {
        toggleRaceHelp();
        return;
    }
    if (controls::tag(lblInfo) == QLatin1String("Open")) {
        txtInfo->setVisible(false);
        controls::setTag(lblInfo, QString());
        return;
    }
    panDeltagare->setVisible(false);
    panAdmin->setVisible(true);
    txtInfo->setVisible(true);
    controls::setTag(lblInfo, QStringLiteral("Open"));
}

void frmMain::toggleRaceHelp() {
    if (raceHelpShown()) {
        raceHelp_->hide();
        focusFinishLine();
        return;
    }
    panDeltagare->setVisible(false);
    panAdmin->setVisible(true);
    txtInfo->setVisible(false);
    if (!raceHelp_) {
        raceHelp_ = new HelpWindow(this);
        raceHelp_->onClosed = [this] { focusFinishLine(); };
    }
    const QRect desk = frameGeometry();
    const int boxLeft = txtSegelNr->mapTo(this, QPoint(0, 0)).x() + geometry().left();
    const platform::Span span =
        platform::helpBesideDesk(desk.left(), desk.right() + 1, boxLeft,
                                 platform_.screen.widthTwips() / platform::TwipsPerPixel, 480, 240);
    // The span holds the help's frame; its border is taken to be as wide as the desk's own.
    const int border = geometry().left() - desk.left();
    raceHelp_->setGeometry(span.left + border, geometry().top(), span.width - 2 * border, height());
    raceHelp_->show();
    focusFinishLine();
}

bool frmMain::raceHelpShown() const {
    return raceHelp_ && raceHelp_->isVisible();
}

// The background picture repeated from the top-left corner over the whole window.
void frmMain::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(background_));
}

// Fonts grow with the same factor as the controls, so that text fills the larger fields as on the
// design screen.
bool frmMain::ResizeForm(frmMain& FormName, float screenCorr) {
    FormName.scaleDesign(screenCorr);
    return true;
}
