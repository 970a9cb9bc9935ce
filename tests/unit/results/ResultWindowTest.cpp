// The result window offscreen against a desk that records what it is asked.
#include "ControlProps.h"
#include "ScriptedPlatform.h"
#include "ShownResultList.h"
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
        calls << "journal " + QStringList{column, rowName, oldText, newText}.join('|');
    }
};

class ResultWindow : public ::testing::Test {
protected:
    frmResultat& load(int screenTwips = 12000) {
        scripted.screen.set(screenTwips, platform::UnlimitedHeightTwips);
        window = std::make_unique<frmResultat>(plat, desk);
        window->ensureLoaded();
        return *window;
    }
    // Boat rows "Båt R" with cells "R.C", boat R being record 10 + R.
    static results::ResultatLista list(int rows) {
        results::ResultatLista l;
        for (int r = 1; r <= rows; ++r) {
            results::ResultatRad row{QStringLiteral("Båt %1").arg(r)};
            for (int c = 1; c < 8; ++c)
                row[std::size_t(c)] = QStringLiteral("%1.%2").arg(r).arg(c);
            l.rows.push_back(row);
            l.keys.push_back(10 + r);
        }
        return l;
    }
    void fill(int rows, const race_data::ResultText& text = {}) {
        window->showList(list(rows), text, "Höst, lördag 5 juli 2003", "SS Vågen");
    }
    results::ResultatRad row(int r) const { return results::shownRow(*window->lvw, r); }
    void enter(int row, const std::vector<std::pair<int, QString>>& typed) {
        window->lvw->onItemClick(row);
        for (const auto& [c, text] : typed)
            window->lvwEdit[std::size_t(c)]->setText(text);
        window->typeChar(window->lvwEdit[0], 13);
    }

    QTemporaryDir dir;
    platform::MemoryEventLog log;
    platform::ScriptedPlatform scripted{log, dir.path()};
    platform::Platform plat = scripted.platform();
    FakeDesk desk;
    std::unique_ptr<frmResultat> window;
};

} // namespace

TEST_F(ResultWindow, ClosingLosesEverythingAndEachLoadScalesTheDesignOnce) {
    frmResultat& w = load(15360);
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

    w.ensureLoaded();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.windowTitle(), "ResultatLista");
    EXPECT_EQ(w.lvw->RowCount(), 0);
    EXPECT_EQ(controls::tag(w.lvw) + w.txtRubrik->text() + w.lvwEdit[0]->text(), "");
    EXPECT_TRUE(w.picture().isNull());
    // Not 1.28 squared: the design is scaled once per load.
    EXPECT_NEAR(controls::twips(w.lvw).width(), 9795 * 1.28, 0.01);
}

// Only the changed cell is journaled and marked; the list's own value again undoes the correction.
TEST_F(ResultWindow, RowEditorCorrectsTheSelectedBoatByItsRecordNumber) {
    frmResultat& w = load();
    fill(5);
    w.lvwEdit[0]->setText("ny");
    w.typeChar(w.lvwEdit[0], 13);
    EXPECT_TRUE(desk.calls.isEmpty());
    EXPECT_EQ(row(1)[0], "Båt 1");

    w.lvw->onItemClick(4);
    w.lvwEdit[6]->setText("1");
    w.typeChar(w.lvwEdit[3], 13);
    EXPECT_EQ(row(4)[6], "1");
    EXPECT_EQ(desk.calls, (QStringList{"journal Plac.|Båt 4|4.6|1", "save"}));
    EXPECT_EQ(w.lvw->SelectedRow(), 4);
    EXPECT_EQ(desk.saved.corrections.at(14).at(6), (race_data::CellCorrection{"4.6", "1"}));
    EXPECT_TRUE(w.lvw->cellMarked(4, 6));
    EXPECT_FALSE(w.lvw->cellMarked(4, 5));
    w.typeChar(w.lvwEdit[0], 'x');
    EXPECT_EQ(row(4)[0], "Båt 4");

    enter(4, {{6, "4.6"}});
    EXPECT_TRUE(desk.saved.corrections.empty());
    EXPECT_FALSE(w.lvw->cellMarked(4, 6));
}

// A club emptied for this race stays empty rather than the desk's default.
TEST_F(ResultWindow, KeptTextsShowOverTheListAndTypedOnesAreKeptAtOnce) {
    frmResultat& w = load();
    race_data::ResultText text;
    text.club = "";
    text.final = true;
    fill(3, text);
    EXPECT_EQ(w.clubName(), "");
    EXPECT_EQ(w.heading(), "Höst, lördag 5 juli 2003");

    w.txtRubrik->setText(" Höstrundan ");
    w.typeChar(w.txtRubrik, 13);
    w.txtKlubb->setText("KSSS");
    w.typeChar(w.txtKlubb, 13);
    EXPECT_EQ(desk.saved.heading, "Höstrundan");
    EXPECT_EQ(desk.saved.club, QString("KSSS"));
    EXPECT_TRUE(desk.calls.contains("club KSSS"));
}

// A group's correction is marked in Totalt too, but not its place; a place in Totalt and a heading are
// refused.
TEST_F(ResultWindow, StartGroupsOfferTotaltAndAGroupsCorrectionShowsInTotalt) {
    frmResultat& w = load();
    fill(2);
    EXPECT_FALSE(controls::ownVisible(w.chkTotalt));
    // Boat 11 in group "A" and again in "Totalt", where its place is "T.6"; a heading above each.
    results::ResultatLista grouped = list(1);
    grouped.rows = {{"A  start 10:00:00"}, grouped.rows[0], {"Totalt"}, grouped.rows[0]};
    grouped.rows[3][6] = "T.6";
    grouped.keys = {results::SectionRow, 11, results::SectionRow, 11};
    grouped.sections = {{"A", true}, {"A"}, {"Totalt", true, true}, {"Totalt", false, true}};
    w.showList(grouped, {}, "Höst", "SS Vågen");
    EXPECT_EQ(results::shownResultList(w, 0).sections, grouped.sections);
    w.chkTotalt->click();
    EXPECT_EQ(desk.calls, (QStringList{"journal Totalt||nej|ja", "save", "rebuild"}));

    enter(2, {{0, "Bris"}, {6, "9"}});
    EXPECT_TRUE(w.lvw->cellMarked(4, 0));
    EXPECT_FALSE(w.lvw->cellMarked(4, 6));

    const race_data::ResultText kept = desk.saved;
    enter(4, {{6, "1"}});
    enter(1, {{0, "1"}});
    EXPECT_EQ(desk.saved, kept);
    EXPECT_EQ(row(4)[6], "T.6");
    EXPECT_EQ(row(1)[0], "A  start 10:00:00");
    EXPECT_FALSE(w.lblStatus->caption().isEmpty());
}
