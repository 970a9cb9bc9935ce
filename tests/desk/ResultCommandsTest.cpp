// A hand correction in "ResultatLista" against later registrations. The heading, the club and the final
// mark coming back after a restart are walked through in the result-kept scenario.
#include "DeskFixture.h"

#include "ControlProps.h"
#include "frmResultat.h"

// A correction stays over a rebuilt list and after a restart, marked, until a registration changes the cell
// it overrode and the officer lets it go.
TEST_F(DeskTest, ACorrectionStaysUntilARegistrationChangesItsRow) {
    writeFinishedRace();
    writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("x*x*x*"));
    frmMain& d = load();
    d.lblfrmRes_Click();
    frmResultat& r = d.resultat();
    r.lvw->onItemClick(4); // Bertil, 1=
    r.lvwEdit[6]->setText(QStringLiteral("1"));
    r.typeChar(r.lvwEdit[6], 13);
    r.txtRubrik->setText(QStringLiteral("Höstrundan 2003"));
    r.typeChar(r.txtRubrik, 13);
    EXPECT_TRUE(controls::ownVisible(&r)) << "Enter in the heading stays in the result window";
    EXPECT_EQ(d.CommentsBox->Text(), QString()) << "and never reaches the desk";
    d.lblfrmRes_Click();
    EXPECT_EQ(r.lvw->Cell(4, 6), QStringLiteral("1"));

    frmMain& again = restart();
    again.lblfrmRes_Click();
    frmResultat& kept = again.resultat();
    EXPECT_EQ(kept.lvw->Cell(4, 6), QStringLiteral("1"));
    EXPECT_TRUE(kept.lvw->cellMarked(4, 6));

    // Cecilia retires: Bertil's computed place changes from 1= to 1, and the desk asks.
    scripted.dialogs.queueAnswer(platform::Answer::No);
    again.lblPanSM_Click();
    for (const QChar c : QStringLiteral("S3 RET\r"))
        again.typeChar(again.txtSegelNr, c.unicode());
    EXPECT_TRUE(messageTexts().last().contains(QStringLiteral("Bertil , S2")));
    again.lblfrmRes_Click();
    EXPECT_EQ(kept.lvw->Cell(3, 0), QStringLiteral("Bertil , S2"));
    EXPECT_EQ(kept.lvw->Cell(3, 6), QStringLiteral("1"));
    EXPECT_FALSE(kept.lvw->cellMarked(3, 6)) << "the correction was let go";
}
