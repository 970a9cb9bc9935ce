// The desk's controls with their design geometry (twips, relative to their container), captions,
// fonts and colours.
#include "InfoText.h"
#include "frmMain.h"

#include "ControlProps.h"
#include "DeltagarPost.h"

using controls::setBackColor;

using controls::setForeColor;
using controls::setTwips;

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");
constexpr std::uint32_t FieldColour = 0xDEEFEF;
constexpr std::uint32_t DarkBlue = 0x800000;
constexpr std::uint32_t ButtonGrey = 0xC0C0C0;
constexpr std::uint32_t CommandColour = 0x5A2A00; // deep navy for the command column

template <class T> T* place(T* control, double left, double top, double width, double height) {
    setTwips(control, left, top, width, height);
    return control;
}

} // namespace

void frmMain::buildControls() {
    controls::setFont(this, SansSerif, 8.25, true);
    setWindowTwips(0, 825, 12000, 7050);
    buildCommandColumn();
    buildParticipantPanel();
    buildStartAndFinishPanel();
}

void frmMain::buildCommandColumn() {
    Image3 = place(add<controls::Picture>(QStringLiteral("Image3"), this), 480, 120, 1140, 1140);
    Image3->setImage(QImage(QStringLiteral(":/pictures/Logo.png")));
    lblLogo = place(add<controls::Label>(QStringLiteral("lblLogo"), this, QStringLiteral("Er Logo här")), 180,
                    1275, 1800, 225);
    lblLogo->setAlignment(Qt::AlignHCenter);

    const auto command = [this](const char* name, const QString& caption, double top) {
        auto* label =
            place(add<controls::Label>(QString::fromLatin1(name), this, caption), 180, top, 1800, 300);
        controls::setFont(label, SansSerif, 9.75, true);
        setForeColor(label, CommandColour);
        label->setCursor(Qt::PointingHandCursor);
        return label;
    };
    lblNewFile = command("lblNewFile", QStringLiteral("Ny Start&lista"), 1500);
    lblOpen = command("lblOpen", QStringLiteral("Ö&ppna Startlista"), 1860);
    lblSave = command("lblSave", QStringLiteral("&Spara Som . . ."), 2220);
    lblInfo = command("lblInfo", QStringLiteral("&Hjälp / Info"), 2580);
    lblQuit = command("lblQuit", QStringLiteral("Avslut&a"), 2940);
    lblPanD = command("lblPanD", QStringLiteral("&DeltagarLista"), 3540);
    lblPanSM = command("lblPanSM", QStringLiteral("Start o &Målgång"), 3900);
    lblfrmRes = command("lblfrmRes", QStringLiteral("&ResultatLista"), 4260);
    lblPanPrint = command("lblPanPrint", QStringLiteral("Skriv &Ut"), 4620);
    lblExport = command("lblExport", QStringLiteral("E&xportera"), 4980);
    lblImport = command("lblImport", QStringLiteral("&Importera"), 5340);
    lblPublicera = command("lblPublicera", QStringLiteral("Pu&blicera"), 5700);
    lblPublicera->setToolTip(QStringLiteral("Visar resultatlistan på klubbens nätverk: seglarna läser den i "
                                            "mobilen på adressen eller QR-koden här nedanför"));
    lblAdress = place(add<controls::Label>(QStringLiteral("lblAdress"), this), 60, 6000, 2040, 225);
    lblAdress->setAlignment(Qt::AlignHCenter);
    lblAdress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblAdress->setVisible(false);

    // The column's lower logo; while the results are published it shows the page's QR code.
    imgKolumn = place(add<controls::Picture>(QStringLiteral("imgKolumn"), this), 660, 6240, 780, 780);
    imgKolumn->setImage(QImage(QStringLiteral(":/pictures/Logo.png")));
}

void frmMain::buildParticipantPanel() {
    panDeltagare =
        place(add<controls::Panel>(QStringLiteral("panDeltagare"), this, QStringLiteral("  DeltagarLista")),
              2100, 240, 9555, 6015);
    QWidget* p = panDeltagare;

    lstDeltagare =
        place(add<controls::ListBox>(QStringLiteral("lstDeltagare"), p, true), 180, 360, 3600, 4920);
    lstDeltagare->setToolTip(QStringLiteral("Klicka på en deltagare"));

    const auto caption = [this, p](const char* name, const QString& text, double left, double top,
                                   double width) {
        return place(add<controls::Label>(QString::fromLatin1(name), p, text), left, top, width, 240);
    };
    // The boxes of the record's texts take no more characters than their fields keep, so a longer
    // text is cut where the operator sees it.
    const auto field = [this, p](const char* name, double top, double width, int maxLength = 32767) {
        auto* box = place(add<controls::TextBox>(QString::fromLatin1(name), p), 3960, top, width, 360);
        controls::setFont(box, SansSerif, 9.75, true);
        setBackColor(box, FieldColour);
        setForeColor(box, DarkBlue);
        box->setMaxLength(maxLength);
        return box;
    };
    caption("lblNamn", QStringLiteral("Namn"), 3960, 360, 2000);
    Namn = field("Namn", 600, 2900, race_data::NamnWidth);
    caption("lblSegelId", QStringLiteral("Segel Id"), 3960, 1020, 2000);
    SegelId = field("SegelId", 1260, 1500, race_data::SegelIdWidth);
    caption("lblBTyp", QStringLiteral("BåtTyp"), 3960, 1680, 2000);
    BTyp = field("BTyp", 1920, 2200, race_data::BTypWidth);
    caption("lblLysTal", QStringLiteral("SRS"), 3960, 2340, 2000);
    LysTal = field("LysTal", 2580, 900);
    caption("lblStartgrupp", QStringLiteral("Startgrupp"), 5040, 2340, 1900);
    cboStart = place(add<controls::ComboBox>(QStringLiteral("cboStart"), p), 5040, 2580, 1900, 360);
    controls::setFont(cboStart, SansSerif, 9.75, true);
    cboStart->setToolTip(
        QStringLiteral("Båtens startgrupp: välj en eller skriv ett nytt namn. Tom = ingen grupp."));
    setBackColor(cboStart, FieldColour);
    setForeColor(cboStart, DarkBlue);

    const auto timeLabel = [this, p](const char* name, double left, double top, double width) {
        auto* label = place(add<controls::Label>(QString::fromLatin1(name), p), left, top, width, 330);
        controls::setFont(label, SansSerif, 9.75, true);
        setForeColor(label, DarkBlue);
        return label;
    };
    caption("lblStartKl", QStringLiteral("Start Kl"), 7080, 360, 2300);
    Start = timeLabel("Start", 7080, 600, 1100);
    lblDatum[0] = timeLabel("lblDatum(0)", 8220, 600, 1200);
    caption("lblMalgangKl", QStringLiteral("Målgång Kl"), 7080, 1020, 2300);
    SlutTid = timeLabel("SlutTid", 7080, 1260, 1100);
    lblDatum[1] = timeLabel("lblDatum(1)", 8220, 1260, 1200);
    caption("lblSegladTid", QStringLiteral("Seglad Tid"), 7080, 1680, 2300);
    TotTid = timeLabel("TotTid", 7080, 1920, 1500);
    caption("lblKorrigeradTid", QStringLiteral("Korrigerad Tid"), 7080, 2340, 2300);
    KorrTid = timeLabel("KorrTid", 7080, 2580, 1500);
    KorrTid->setToolTip(QStringLiteral("Seglad Tid  x SRS"));

    caption("lblKommentar", QStringLiteral("Övriga Anteckningar     Väder Vind  mm."), 3960, 3060, 5400);
    CommentsBox =
        place(add<controls::MultiLineTextBox>(QStringLiteral("CommentsBox"), p), 3960, 3300, 5400, 1380);
    setBackColor(CommentsBox, FieldColour);
    setForeColor(CommentsBox, DarkBlue);

    const auto button = [this, p](const char* name, const QString& text, double left, double width) {
        auto* b = place(add<controls::Button>(QString::fromLatin1(name), p, text), left, 4860, width, 420);
        controls::setFont(b, SansSerif, 9.75, false);
        setBackColor(b, ButtonGrey);
        return b;
    };
    AddButton = button("AddButton", QStringLiteral("&Ny Post"), 3960, 1100);
    OkButton = button("OkButton", QStringLiteral("&Ok"), 5160, 900);
    EditButton = button("EditButton", QStringLiteral("&Editera"), 6160, 1100);
    CancelButton = button("CancelButton", QStringLiteral("&Ångra"), 7360, 900);
    DeleteButton = button("DeleteButton", QStringLiteral("&Ta Bort"), 8360, 1000);
    cancelButton = CancelButton;

    lblMotto = place(add<controls::Label>(QStringLiteral("lblMotto"), p,
                                          QStringLiteral("Navigare necesse est  vivere non est necesse")),
                     180, 5460, 9180, 300);
    lblMotto->setAlignment(Qt::AlignHCenter);
    QFont motto = lblMotto->font();
    motto.setItalic(true);
    lblMotto->setFont(motto);

    setBackColor(lstDeltagare, FieldColour);
    setForeColor(lstDeltagare, DarkBlue);
}

void frmMain::buildStartAndFinishPanel() {
    panAdmin =
        place(add<controls::Panel>(QStringLiteral("panAdmin"), this, QStringLiteral("  Start och Målgång ")),
              2100, 240, 9555, 6015);
    panAdmin->setVisible(false);
    QWidget* a = panAdmin;

    const QString editTip = QStringLiteral("Du kan Editera i TextBoxen. Tryck <Enter> när du är klar.");
    panStart = place(add<controls::Panel>(QStringLiteral("panStart"), a, QStringLiteral("Startpanel")), 180,
                     360, 3015, 3000);
    panStart->setToolTip(editTip);
    StartButton = place(
        add<controls::Button>(QStringLiteral("StartButton"), panStart, QStringLiteral("&Gemensam Start Nu")),
        120, 360, 2775, 495);
    setBackColor(StartButton, ButtonGrey);
    place(add<controls::Label>(QStringLiteral("lblStart"), panStart, QStringLiteral("Start")), 120, 1020, 900,
          240);
    txtStartTid =
        place(add<controls::TextBox>(QStringLiteral("txtStartTid"), panStart), 120, 1290, 2775, 345);
    txtStartTid->setMaxLength(22);
    StartMsg =
        place(add<controls::Label>(QStringLiteral("StartMsg"), panStart,
                                   QStringLiteral("    Tidtagning Pågår") + QString(47, QLatin1Char(' ')) +
                                       QStringLiteral("Rör inte Startpanelen")),
              120, 1800, 2775, 1080);
    StartMsg->setWordWrap(true);
    StartMsg->setToolTip(editTip);
    setForeColor(StartMsg, 0x0000C0);
    StartMsg->setVisible(false);
    // In a race of several start groups the list of groups takes the message's place.
    lstStarter =
        place(add<controls::ListBox>(QStringLiteral("lstStarter"), panStart, false), 120, 1740, 2775, 1140);
    lstStarter->setToolTip(QStringLiteral("Välj startgrupp: Start Nu och StartTid gäller den gruppen"));
    lstStarter->setVisible(false);

    panPG = place(add<controls::Panel>(QStringLiteral("panPG"), a, QStringLiteral("Båtar på väg mot mål")),
                  3315, 360, 3000, 3000);
    panPG->setToolTip(QStringLiteral("<Dubbelklicka> Marker båtar på ingång "));
    lstPG = place(add<controls::ListBox>(QStringLiteral("lstPG"), panPG, true), 120, 300, 2760, 2580);
    lstPG->setToolTip(QStringLiteral("Dubbelklicka på deltagare  "));

    panMg = place(add<controls::Panel>(QStringLiteral("panMg"), a, QStringLiteral("Målgång För")), 6435, 360,
                  2940, 3000);
    panMg->setToolTip(QStringLiteral("Klicka på båt som går över mållinjen "));
    lstMg = place(add<controls::ListBox>(QStringLiteral("lstMg"), panMg, false), 120, 300, 2700, 2580);
    // A finish is registered by a click only; the arrow keys just move the highlight.
    lstMg->setClickOnKeys(false);

    lstSortMG = place(add<controls::ListBox>(QStringLiteral("lstSortMG"), a, true), 3315, 3540, 1200, 600);
    lstSortMG->setVisible(false);
    // Boats with equal corrected times keep the order of the finish queue.
    lstSortMG->setEqualTextsKeepAddingOrder(true);

    panMal = place(add<controls::Panel>(QStringLiteral("panMal"), a, QString()), 6780, 3540, 2595, 2295);
    panMal->setToolTip(QStringLiteral("Du kan Editera i TextBoxen  <Enter> bekräfta  "));
    place(add<controls::Label>(QStringLiteral("lblMTid"), panMal, QStringLiteral("Målgång Kl")), 120, 180,
          2300, 240);
    MTid = place(add<controls::TextBox>(QStringLiteral("MTid"), panMal), 120, 420, 2355, 345);
    MTid->setMaxLength(17);
    place(add<controls::Label>(QStringLiteral("lblSTid"), panMal, QStringLiteral("Seglad Tid")), 120, 900,
          2300, 240);
    STid = place(add<controls::Label>(QStringLiteral("STid"), panMal), 120, 1140, 2300, 300);
    place(add<controls::Label>(QStringLiteral("lblKTid"), panMal, QStringLiteral("Korrigerad Tid")), 120,
          1560, 2300, 240);
    KTid = place(add<controls::Label>(QStringLiteral("KTid"), panMal), 120, 1800, 2300, 300);

    imgAdmin = place(add<controls::Picture>(QStringLiteral("imgAdmin"), a), 180, 3540, 6495, 2295);
    imgAdmin->setImage(QImage(QStringLiteral(":/pictures/Bakgrund.png")));
    // Over the picture, under the info text, beside the finish panel: the box for finishing a boat by
    // its sail number, shown while a race is under way.
    lblSegelNr = place(
        add<controls::Label>(QStringLiteral("lblSegelNr"), a, QStringLiteral("Segelnr + Enter = Målgång")),
        3315, 3660, 3000, 240);
    lblSegelNr->setVisible(false);
    txtSegelNr = place(add<controls::TextBox>(QStringLiteral("txtSegelNr"), a), 3315, 3900, 3000, 420);
    controls::setFont(txtSegelNr, SansSerif, 12, true);
    setBackColor(txtSegelNr, FieldColour);
    setForeColor(txtSegelNr, DarkBlue);
    txtSegelNr->setToolTip(QStringLiteral("Skriv båtens segelnummer och tryck <Enter> när den går över "
                                          "mållinjen: båten får sin måltid på en gång, som vid ett klick "
                                          "i Målgång För"));
    txtSegelNr->setVisible(false);
    // Left of the box, over the picture: the race clock in large type, shown while a race is under way.
    lblKlocka = place(add<controls::Label>(QStringLiteral("lblKlocka"), a), 300, 3660, 2940, 540);
    controls::setFont(lblKlocka, SansSerif, 20, true);
    lblSedanStart = place(add<controls::Label>(QStringLiteral("lblSedanStart"), a), 300, 4260, 2940, 420);
    controls::setFont(lblSedanStart, SansSerif, 12, true);
    lblIMal = place(add<controls::Label>(QStringLiteral("lblIMal"), a), 300, 4740, 2940, 420);
    controls::setFont(lblIMal, SansSerif, 12, true);
    lblFel = place(add<controls::Label>(QStringLiteral("lblFel"), a), 180, 5220, 6495, 615);
    controls::setFont(lblFel, SansSerif, 9.75, true);
    setBackColor(lblFel, 0x0000C0); // red
    setForeColor(lblFel, 0xFFFFFF);
    lblFel->setWordWrap(true);
    lblFel->setVisible(false);
    for (controls::Label* l : {lblKlocka, lblSedanStart, lblIMal}) {
        setForeColor(l, DarkBlue);
        l->setVisible(false);
    }
    txtInfo = place(add<controls::MultiLineTextBox>(QStringLiteral("txtInfo"), a), 180, 3540, 6495, 2295);
    txtInfo->setReadOnly(true);
    txtInfo->setText(deskInfoText());
    txtInfo->setVisible(false);
}
