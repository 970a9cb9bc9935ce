// The result window's controls and their design values: what a freshly loaded window looks like.
#include "ControlProps.h"
#include "frmResultat.h"

namespace {

const QString FontFamily = QStringLiteral("MS Sans Serif");

// Calm colours (0xBBGGRR): a pale sea blue behind everything, white editing fields, navy text.
constexpr std::uint32_t WindowColor = 0xF4EDE6;
constexpr std::uint32_t FieldColor = 0xFFFFFF;
constexpr std::uint32_t EditorColor = 0xEEF8FC;
constexpr std::uint32_t TextColor = 0x502810;

constexpr double EditorTop = 5820;
constexpr double EditorHeight = 285;

} // namespace

void frmResultat::buildControls() {
    controls::setBackColor(this, WindowColor);
    controls::setForeColor(this, TextColor);

    // The club's name as shown and printed; the officer types it in txtKlubb, which stands in its place.
    lblKlubbNamn = add<controls::Label>(QStringLiteral("lblKlubbNamn"), this, QString());
    lblKlubbNamn->setVisible(false);
    txtKlubb = add<controls::TextBox>(QStringLiteral("txtKlubb"), this);
    txtKlubb->setAlignment(Qt::AlignCenter);
    txtKlubb->setPlaceholderText(QStringLiteral("Klubbens namn"));
    txtKlubb->setToolTip(QStringLiteral("Klubbens namn. <Enter>: sparas med tävlingen och föreslås för nya "
                                        "tävlingar"));
    txtKlubb->setMaxLength(60);
    controls::setBackColor(txtKlubb, WindowColor);

    lblStatus = add<controls::Label>(QStringLiteral("lblStatus"), this, QString());
    lblStatus->setAlignment(Qt::AlignHCenter);

    txtRubrik = add<controls::TextBox>(QStringLiteral("txtRubrik"), this);
    txtRubrik->setToolTip(QStringLiteral("Rubrik till utskrift och export. <Enter>: sparas med tävlingen. "
                                         "Tom ruta: tävlingens namn och datum"));
    txtRubrik->setMaxLength(120);
    controls::setBackColor(txtRubrik, FieldColor);

    chkSlutlig = add<controls::CheckBox>(QStringLiteral("chkSlutlig"), this, QStringLiteral("Slutlig lista"));
    chkSlutlig->setToolTip(
        QStringLiteral("Utan bock står det \"Preliminära resultat\" på utskrift och export"));

    chkTotalt = add<controls::CheckBox>(QStringLiteral("chkTotalt"), this, QStringLiteral("Totalt"));
    chkTotalt->setToolTip(QStringLiteral("Med bock följer alla båtar efter korrigerad tid, efter grupperna"));

    lvw = add<controls::ListView>(QStringLiteral("lvw"), this);
    lvw->setToolTip(QStringLiteral("Klicka på ett namn om du vill Editera en rad "));
    controls::setBackColor(lvw, FieldColor);
    for (const results::ResultColumn& c : results::resultColumns())
        lvw->addColumn(QString::fromUtf8(c.windowHeader), c.width, c.alignment);

    for (std::size_t i = 0; i < lvwEdit.size(); ++i) {
        auto* box = add<controls::TextBox>(QStringLiteral("lvwEdit(%1)").arg(i), this);
        if (i > 0) box->setAlignment(Qt::AlignCenter);
        controls::setBackColor(box, EditorColor);
        lvwEdit[i] = box;
    }
    lvwEdit[0]->setToolTip(QStringLiteral("Du kan Editera i alla TextBoxar <Enter> "));
}

void frmResultat::resetToDesign() {
    hide();
    setWindowTitle(QStringLiteral("ResultatLista"));
    setWindowTwips(1950, 1170, 10020, 6645);
    setPicture(QImage());

    lblKlubbNamn->setCaption(QString());
    controls::setTwips(lblKlubbNamn, 1320, 300, 7380, 480);
    txtKlubb->setText(QString());
    controls::setTwips(txtKlubb, 1320, 300, 7380, 480);
    controls::setFont(txtKlubb, FontFamily, 13.5, true, true);

    lblStatus->setCaption(QString());
    controls::setTwips(lblStatus, 1320, 840, 7380, 300);
    controls::setFont(lblStatus, FontFamily, 8.25, false);

    txtRubrik->setText(QString());
    txtRubrik->setPlaceholderText(QString());
    controls::setTwips(txtRubrik, 60, 1200, 8415, 345);
    controls::setFont(txtRubrik, FontFamily, 12, true);

    chkSlutlig->setChecked(false);
    controls::setTwips(chkSlutlig, 8580, 1200, 1380, 345);
    controls::setFont(chkSlutlig, FontFamily, 8.25, true);

    chkTotalt->setChecked(false);
    chkTotalt->setVisible(false);
    controls::setTwips(chkTotalt, 8760, 840, 1200, 300);
    controls::setFont(chkTotalt, FontFamily, 8.25, true);

    lvw->ClearRows();
    controls::setTag(lvw, QString());
    controls::setTwips(lvw, 60, 1620, 9795, 4155);
    controls::setFont(lvw, FontFamily, 8.25, true);
    // Each row editor box stands under its column, a hair narrower.
    double boxLeft = 60;
    for (std::size_t i = 0; i < lvwEdit.size(); ++i) {
        const double width = results::resultColumns()[i].width;
        lvw->setColumnWidthTwips(static_cast<int>(i), width);
        lvwEdit[i]->setText(QString());
        controls::setTwips(lvwEdit[i], boxLeft, EditorTop, width - 5, EditorHeight);
        boxLeft += width;
        controls::setFont(lvwEdit[i], FontFamily, 8.25, true);
    }
}
