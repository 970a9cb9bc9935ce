// "ResultatLista" built from the ranking, and the print command's messages.
#include "DeskFixture.h"

#include "ControlProps.h"
#include "frmResultat.h"

namespace {

QStringList row(const controls::ListView* lvw, int r) {
    QStringList cells;
    for (int c = 0; c < 8; ++c)
        cells << lvw->Cell(r, c);
    return cells;
}

} // namespace

class ResultTest : public DeskTest {
protected:
    // Three finished boats and one still sailing, started 10:00:00 on 5 July 2003.
    frmMain& finishedRace() {
        writeRace(QStringLiteral("Höst.dat"),
                  {{QStringLiteral("Anna"), QStringLiteral("S1"), 1.0f, july5(14, 0, 0), 4.0 / 24},
                   {QStringLiteral("Bertil"), QStringLiteral("S2"), 1.0f, july5(13, 0, 0), 3.0 / 24},
                   {QStringLiteral("Cecilia"), QStringLiteral("S3"), 1.0f, july5(13, 0, 0), 3.0 / 24},
                   {QStringLiteral("David"), QStringLiteral("S4")}},
                  july5(10, 0, 0));
        writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("x*x*x*"));
        return load();
    }
};

// The list is built from the race's own ranking and records; how rows are laid out is the builder's.
TEST_F(ResultTest, FinishersByPlaceThenTheBoatStillSailing) {
    frmMain& d = finishedRace();
    d.lblfrmRes_Click();
    frmResultat& r = d.resultat();
    ASSERT_EQ(r.lvw->RowCount(), 6);
    // Equal corrected seconds share the place and its points; the lower record number stands first of
    // equal finishes; the boat still sailing stands last without place or points.
    EXPECT_EQ(row(r.lvw, 3),
              (QStringList{QStringLiteral("Bertil , S2"), QStringLiteral("10:00:00"),
                           QStringLiteral("13:00:00"), QStringLiteral("3:00:00"), QStringLiteral("1,000"),
                           QStringLiteral("3:00:00"), QStringLiteral("1="), QStringLiteral("1,5")}));
    EXPECT_EQ(r.lvw->Cell(5, 6), QStringLiteral("3"));
    EXPECT_EQ(r.lvw->Cell(6, 0), QStringLiteral("David , S4"));
    EXPECT_EQ(r.lvw->Cell(6, 6), QString());
    EXPECT_EQ(r.lvw->Cell(4, 0), QStringLiteral("Cecilia , S3"));
    EXPECT_EQ(r.lvw->Cell(5, 0), QStringLiteral("Anna , S1"));
    EXPECT_EQ(r.windowTitle(), QStringLiteral("ResultatLista  Fil  Höst      Lördag 5 Juli 2003"));
    EXPECT_TRUE(controls::ownVisible(&r));
    EXPECT_FALSE(controls::ownVisible(d.panAdmin));
}

// A hand correction is kept with the race: it survives rebuilding the list and a restart, until a
// registration changes the cell it overrode and the officer lets it go.
TEST_F(ResultTest, CorrectionsStayUntilARegistrationChangesTheirRow) {
    frmMain& d = finishedRace();
    d.lblfrmRes_Click();
    frmResultat* r = &d.resultat();
    r->lvw->onItemClick(4); // Cecilia, 1=
    r->lvwEdit[6]->setText(QStringLiteral("1"));
    r->typeChar(r->lvwEdit[6], 13);
    r->txtRubrik->setText(QStringLiteral("Höstrundan 2003"));
    r->typeChar(r->txtRubrik, 13);
    EXPECT_TRUE(controls::ownVisible(r)) << "Enter in the heading stays in the result window";
    EXPECT_EQ(d.CommentsBox->Text(), QString());
    d.lblfrmRes_Click();
    EXPECT_EQ(r->lvw->Cell(4, 6), QStringLiteral("1"));

    frmMain& again = restart();
    again.lblfrmRes_Click();
    r = &again.resultat();
    EXPECT_EQ(r->lvw->Cell(4, 6), QStringLiteral("1"));
    EXPECT_TRUE(r->lvw->cellMarked(4, 6));
    EXPECT_EQ(r->txtRubrik->text(), QStringLiteral("Höstrundan 2003"));

    // Bertil retires: Cecilia's computed place changes from 1= to 1, and the desk asks.
    scripted.dialogs.queueAnswer(platform::Answer::No);
    again.lblPanSM_Click();
    for (const QChar c : QStringLiteral("S2 RET\r"))
        again.typeChar(again.txtSegelNr, c.unicode());
    EXPECT_TRUE(messageTexts().last().contains(QStringLiteral("Cecilia , S3")));
    again.lblfrmRes_Click();
    EXPECT_EQ(r->lvw->Cell(3, 0), QStringLiteral("Cecilia , S3"));
    EXPECT_EQ(r->lvw->Cell(3, 6), QStringLiteral("1"));
    EXPECT_FALSE(r->lvw->cellMarked(3, 6)) << "the correction was let go";
}
