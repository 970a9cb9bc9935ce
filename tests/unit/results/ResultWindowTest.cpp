#include "ControlProps.h"
#include "PrintResultWindow.h"
#include "RecordingPrintJob.h"
#include "ScriptedPlatform.h"
#include "frmResultat.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FakeDesk : ResultDesk {
    QStringList calls;
    race_data::ResultText saved;
    void saveResultText(const race_data::ResultText& text) override {
        calls << "save";
        saved = text;
    }
    void rememberClub(const QString& club) override { calls << "club " + club; }
    void lblPanD_Click() override { calls << "lblPanD_Click"; }
    void rebuildResultList() override { calls << "rebuild"; }
    void journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                           const QString& newText) override {
        calls << QStringLiteral("journal %1|%2|%3|%4").arg(column, rowName, oldText, newText);
    }
};

struct Design {
    const char* name;
    QRectF rect;
};
const Design DesignRects[] = {
    {"txtKlubb", {1320, 300, 7380, 480}},    {"txtRubrik", {60, 1200, 8415, 345}},
    {"chkSlutlig", {8580, 1200, 1380, 345}}, {"lvw", {60, 1620, 9795, 4155}},
    {"lvwEdit(0)", {60, 5820, 2795, 285}},   {"lvwEdit(1)", {2860, 5820, 995, 285}},
    {"lvwEdit(2)", {3860, 5820, 995, 285}},  {"lvwEdit(3)", {4860, 5820, 1195, 285}},
    {"lvwEdit(4)", {6060, 5820, 795, 285}},  {"lvwEdit(5)", {6860, 5820, 1195, 285}},
    {"lvwEdit(6)", {8060, 5820, 795, 285}},  {"lvwEdit(7)", {8860, 5820, 795, 285}},
};
const double DesignColumns[] = {2800, 1000, 1000, 1200, 800, 1200, 800, 800};

void expectRect(const QRectF& actual, const QRectF& expected, const char* what) {
    EXPECT_NEAR(actual.left(), expected.left(), 0.01) << what;
    EXPECT_NEAR(actual.top(), expected.top(), 0.01) << what;
    EXPECT_NEAR(actual.width(), expected.width(), 0.01) << what;
    EXPECT_NEAR(actual.height(), expected.height(), 0.01) << what;
}

QRectF scaled(const QRectF& r, double k) {
    return {r.left() * k, r.top() * k, r.width() * k, r.height() * k};
}

class ResultWindow : public ::testing::Test {
protected:
    frmResultat& load(int screenTwips = 12000, int heightTwips = platform::UnlimitedHeightTwips) {
        scripted.screen.set(screenTwips, heightTwips);
        window = std::make_unique<frmResultat>(plat, desk);
        window->ensureLoaded();
        return *window;
    }
    // Boat rows "Båt R" with cells "R.C", boat R being record 10 + R.
    static results::ResultatLista list(int rows) {
        results::ResultatLista l;
        for (int r = 1; r <= rows; ++r) {
            results::ResultatRad row;
            row[0] = QStringLiteral("Båt %1").arg(r);
            for (int c = 1; c < 8; ++c)
                row[std::size_t(c)] = QStringLiteral("%1.%2").arg(r).arg(c);
            l.rows.push_back(row);
            l.keys.push_back(10 + r);
        }
        return l;
    }
    // Boat 11 in group "A" and again in "Totalt", where its place is "T.6"; a heading above each.
    static results::ResultatLista grouped() {
        results::ResultatLista l = list(1);
        const results::RowSection a{"A"}, t{"Totalt", false, true};
        l.rows = {{"A  start 10:00:00"}, l.rows[0], {"Totalt"}, l.rows[0]};
        l.rows[3][6] = "T.6";
        l.keys = {results::SectionRow, 11, results::SectionRow, 11};
        l.sections = {{"A", true}, a, {"Totalt", true, true}, t};
        return l;
    }
    void fill(int rows, const race_data::ResultText& text = {}) {
        window->showList(list(rows), text, "Höst, lördag 5 juli 2003", "SS Vågen");
    }
    QStringList row(int r) const {
        QStringList cells;
        for (int c = 0; c < 8; ++c)
            cells << window->lvw->Cell(r, c);
        return cells;
    }

    QTemporaryDir dir;
    platform::MemoryEventLog log;
    platform::ScriptedPlatform scripted{log, dir.path()};
    platform::Platform plat = scripted.platform();
    FakeDesk desk;
    std::unique_ptr<frmResultat> window;
};

} // namespace

// Every place, column and font is the design's times the screen's factor, applied once at each load: a
// window loaded again after an unload starts from its design values.
TEST_F(ResultWindow, LoadsHiddenAndScalesEveryPlaceAndColumnOnceAtEachLoad) {
    frmResultat& w = load(15360);
    w.unload();
    w.ensureLoaded();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.windowTitle(), "ResultatLista");
    expectRect(controls::twips(&w), scaled({1950, 1170, 10020, 6645}, 1.28), "window");
    for (const Design& d : DesignRects) {
        ASSERT_NE(w.control(d.name), nullptr) << d.name;
        expectRect(controls::twips(w.control(d.name)), scaled(d.rect, 1.28), d.name);
    }
    for (int c = 0; c < 7; ++c)
        EXPECT_NEAR(w.lvw->columnWidthTwips(c), DesignColumns[c] * 1.28, 0.01) << c;
    EXPECT_NEAR(*controls::fontSize(w.lvw), 8.25 * 1.28, 0.01);
    EXPECT_NEAR(*controls::fontSize(w.txtKlubb), 13.5 * 1.28, 0.01);
    EXPECT_NEAR(*controls::fontSize(w.txtRubrik), 12 * 1.28, 0.01);
}

// Enter writes every box into the selected row, and with no row selected changes nothing.
TEST_F(ResultWindow, RowEditorWritesAllBoxesIntoTheSelectedRow) {
    frmResultat& w = load();
    fill(5);
    w.lvwEdit[0]->setText("ny");
    w.typeChar(w.lvwEdit[0], 13);
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(row(r)[0], QStringLiteral("Båt %1").arg(r));
    controls::setTag(w.lvw, "2006-05-21");
    w.lvw->onItemClick(4);
    EXPECT_EQ(controls::tag(w.lvw), "2006-05-21");
    EXPECT_EQ(w.lvwEdit[0]->text(), "Båt 4");
    EXPECT_EQ(w.lvwEdit[6]->text(), "4.6");
    w.lvwEdit[6]->setText("1");
    w.typeChar(w.lvwEdit[3], 13);
    EXPECT_EQ(row(4), (QStringList{"Båt 4", "4.1", "4.2", "4.3", "4.4", "4.5", "1", "4.7"}));
    EXPECT_EQ(row(3)[6], "3.6");
    EXPECT_EQ(desk.calls, (QStringList{"journal Plac.|Båt 4|4.6|1", "save"}))
        << "only the changed cell is journaled";
    EXPECT_EQ(w.lvw->SelectedRow(), 4);
    // Kept with the race by the boat's record number, marked in the window.
    EXPECT_EQ(desk.saved.corrections.at(14).at(6), (race_data::CellCorrection{"4.6", "1"}));
    EXPECT_TRUE(w.lvw->cellMarked(4, 6));
    EXPECT_FALSE(w.lvw->cellMarked(4, 5));

    // Other keys only type.
    w.typeChar(w.lvwEdit[0], 'x');
    EXPECT_EQ(row(4)[0], "Båt 4");
}

// The printed rows, heading and time are in the result-print scenario; here the club the window shows and
// the editor that stays on its row.
TEST_F(ResultWindow, PrintingPrintsEditsAndLeavesTheEditorOnItsRow) {
    frmResultat& w = load();
    fill(5);
    w.lvw->onItemClick(3);
    w.lvwEdit[0]->setText("Ändrad");
    w.typeChar(w.lvwEdit[0], 13);

    RecordingPrintJob job;
    results::printResultWindow(job, w, 38857.75);
    EXPECT_TRUE(job.ops.contains("Print SS Vågen"));
    EXPECT_EQ(w.lvw->SelectedRow(), 3);

    // Enter still writes the boxes into the row they came from.
    w.lvwEdit[6]->setText("1");
    w.typeChar(w.lvwEdit[6], 13);
    EXPECT_EQ(row(3)[6], "1");
    EXPECT_EQ(row(5)[0], "Båt 5");
}

// Corrections come back over a newly computed list; typing the computed value undoes one.
TEST_F(ResultWindow, KeptCorrectionsShowOverTheListAndTypingTheListsValueUndoesThem) {
    frmResultat& w = load();
    race_data::ResultText text;
    text.corrections[12][6] = {"2.6", "1"};
    text.heading = "Höstrundan";
    text.club = "";
    text.final = true;
    fill(3, text);
    EXPECT_EQ(row(2)[6], "1");
    EXPECT_TRUE(w.lvw->cellMarked(2, 6));
    EXPECT_EQ(w.heading(), "Höstrundan");
    EXPECT_EQ(w.clubName(), "") << "a club emptied for this race stays empty";
    EXPECT_TRUE(w.isFinal());
    w.lvw->onItemClick(2);
    w.lvwEdit[6]->setText("2.6");
    w.typeChar(w.lvwEdit[6], 13);
    EXPECT_TRUE(desk.saved.corrections.empty());
    EXPECT_FALSE(w.lvw->cellMarked(2, 6));
}

// Heading, club and the final mark go to the desk the moment they are entered; the window stays.
TEST_F(ResultWindow, HeadingClubAndFinalAreKeptAtOnce) {
    frmResultat& w = load();
    fill(2);
    w.txtRubrik->setText(" Höstrundan ");
    w.typeChar(w.txtRubrik, 13);
    w.txtKlubb->setText("KSSS");
    w.typeChar(w.txtKlubb, 13);
    w.chkSlutlig->click();
    EXPECT_EQ(desk.saved.heading, "Höstrundan");
    EXPECT_EQ(desk.saved.club, QString("KSSS"));
    EXPECT_TRUE(desk.saved.final);
    EXPECT_TRUE(desk.calls.contains("club KSSS"));
    EXPECT_FALSE(desk.calls.contains("lblPanD_Click"));
    EXPECT_EQ(w.txtRubrik->text(), " Höstrundan ");
}

// Totalt is offered only with start groups, kept at once and the list built anew. A boat corrected in
// its group shows the correction in Totalt too, but not its place; a place in Totalt and a heading are
// not typed over.
TEST_F(ResultWindow, StartGroupsOfferTotaltAndAGroupsCorrectionShowsInTotalt) {
    frmResultat& w = load();
    fill(2);
    EXPECT_FALSE(controls::ownVisible(w.chkTotalt));
    w.showList(grouped(), {}, "Höst", "SS Vågen");
    EXPECT_TRUE(controls::ownVisible(w.chkTotalt));
    w.chkTotalt->click();
    EXPECT_TRUE(desk.saved.total);
    EXPECT_EQ(desk.calls, (QStringList{"journal Totalt||nej|ja", "save", "rebuild"}));

    w.lvw->onItemClick(2);
    w.lvwEdit[0]->setText("Bris");
    w.lvwEdit[6]->setText("9");
    w.typeChar(w.lvwEdit[0], 13);
    EXPECT_EQ(row(2)[6], "9");
    EXPECT_EQ(row(4)[0], "Bris");
    EXPECT_TRUE(w.lvw->cellMarked(4, 0));
    EXPECT_EQ(row(4)[6], "T.6");
    EXPECT_FALSE(w.lvw->cellMarked(4, 6));

    const race_data::ResultText kept = desk.saved;
    for (const auto& [r, c] : std::vector<std::pair<int, int>>{{4, 6}, {1, 0}}) {
        w.lvw->onItemClick(r);
        w.lvwEdit[std::size_t(c)]->setText("1");
        w.typeChar(w.lvwEdit[0], 13);
    }
    EXPECT_EQ(desk.saved, kept);
    EXPECT_EQ(row(4)[6], "T.6");
    EXPECT_EQ(row(1)[0], "A  start 10:00:00");
    EXPECT_FALSE(w.lblStatus->caption().isEmpty());
}

TEST_F(ResultWindow, ClosingLosesRowsHeadingCaptionPictureAndTag) {
    frmResultat& w = load();
    fill(4);
    controls::setTag(w.lvw, "2006-05-21");
    w.txtRubrik->setText("H");
    w.lvwEdit[0]->setText("Båt 1");
    w.setWindowTitle("ResultatLista  Fil  Regatta");
    w.setPicture(QImage(76, 76, QImage::Format_RGB32));
    w.show();

    w.close();
    EXPECT_EQ(desk.calls, QStringList{"lblPanD_Click"});
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(w.isHidden());

    w.ensureLoaded();
    EXPECT_EQ(controls::tag(w.lvw), "");
    EXPECT_EQ(w.txtRubrik->text(), "");
    EXPECT_EQ(w.lvw->RowCount(), 0);
    EXPECT_EQ(w.lvwEdit[0]->text(), "");
    EXPECT_EQ(w.windowTitle(), "ResultatLista");
    EXPECT_TRUE(w.picture().isNull());
}
