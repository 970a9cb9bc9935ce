// Which panel is shown, the info text, the tiled background and scaling to wide screens.
#include "frmMain.h"

#include "ControlProps.h"
#include "ErrorStyles.h"
#include "frmResultat.h"

#include <QPainter>
#include <cmath>
#include <optional>
#include <vector>

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
}

void frmMain::lblInfo_Click() {
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

// The background picture repeated from the top-left corner over the whole window.
void frmMain::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(background_));
}

bool frmMain::ResizeForm(frmMain& FormName, float screenCorr) {
    const QRectF w = controls::twips(&FormName);
    FormName.setWindowTwips(w.left() * screenCorr, w.top() * screenCorr, w.width() * screenCorr,
                            w.height() * screenCorr);
    // Fonts grow by 1.17 on screens wider than 960 pixels. On screens between 800 and 960 pixels they
    // grow with the screen, up to the same 1.17, so that text keeps filling the larger fields and the
    // step at 960 pixels disappears.
    const double fontFactor = screenCorr > 1.2f ? 1.17 : std::min(static_cast<double>(screenCorr), 1.17);
    // Font sizes are read before any is changed: a control without a font of its own takes its
    // container's, which must not be scaled twice.
    std::vector<std::optional<double>> designSizes;
    for (int i = 0; i < FormName.controlCount(); ++i)
        designSizes.push_back(controls::fontSize(FormName.controlAt(i)));
    for (int i = 0; i < FormName.controlCount(); ++i) {
        QWidget* c = FormName.controlAt(i);
        skipOnError([&] {
            const QRectF r = controls::twips(c);
            controls::setTwips(c, r.left() * screenCorr, r.top() * screenCorr, r.width() * screenCorr,
                               r.height() * screenCorr);
        });
        if (designSizes[i]) controls::setFontSize(c, std::nearbyint(*designSizes[i] * fontFactor));
    }
    return true;
}
