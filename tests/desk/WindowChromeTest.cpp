// Panel switching, the info text and scaling to the screen.
#include "DeskFixture.h"

#include "ControlProps.h"

namespace {

bool shown(QWidget* w) {
    return controls::ownVisible(w);
}

} // namespace

TEST_F(DeskTest, InfoTextTogglesAndEscLeavesTheMarker) {
    copyExample();
    frmMain& d = load();
    d.lblInfo_Click();
    EXPECT_TRUE(shown(d.txtInfo));
    EXPECT_TRUE(shown(d.panAdmin));
    EXPECT_FALSE(shown(d.panDeltagare));
    d.lblInfo_Click();
    EXPECT_FALSE(shown(d.txtInfo));
    EXPECT_TRUE(shown(d.panAdmin));

    d.lblInfo_Click();
    d.typeChar(d.txtInfo, 27);
    EXPECT_FALSE(shown(d.txtInfo));
    EXPECT_EQ(controls::tag(d.lblInfo), QStringLiteral("Open"));
    d.lblInfo_Click(); // only clears the marker
    EXPECT_FALSE(shown(d.txtInfo));
    d.lblInfo_Click();
    EXPECT_TRUE(shown(d.txtInfo));
}

TEST_F(DeskTest, InfoTextSaysWhatANewRaceOfficerNeeds) {
    copyExample();
    const QString text = load().txtInfo->Text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Ref. till Exempel.dat")));
    for (const char* part : {"800 * 600", "1024 * 768", "Vindo.ini", "[ StartPanel :]",
                             "[ Båtar på väg mot mål : ]", "[ Målgång För : ]   Scenario", "¤"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    EXPECT_TRUE(
        text.endsWith(QStringLiteral("Du kommer ur denna info med  <Esc> eller att trycka Hjälp igen.")));
}

TEST_F(DeskTest, ParticipantPanelLabelShowsFirstParticipantAndClearsFinishBox) {
    copyExample();
    frmMain& d = load();
    d.lblPanSM_Click();
    d.MTid->setText(QStringLiteral("14:05:09"));
    d.STid->setCaption(QStringLiteral("1:00:00"));
    d.lstDeltagare->setListIndex(3);
    d.lblPanD_Click();
    EXPECT_TRUE(shown(d.panDeltagare));
    EXPECT_FALSE(shown(d.panAdmin));
    EXPECT_EQ(d.lstDeltagare->ListIndex(), 0);
    EXPECT_EQ(d.MTid->text(), QString());
    EXPECT_EQ(d.STid->caption(), QString());
}

TEST_F(DeskTest, DeskScalesToWideScreensOnly) {
    struct Case {
        int screen;
        double size;   // factor for positions and sizes
        double field;  // font of the fields, 9.75 points at design
        double window; // the window's font, 8.25 points at design
    };
    const std::vector<Case> cases = {
        {12000, 1.0, 9.75, 8.25}, {9600, 1.0, 9.75, 8.25}, {15360, 1.28, 11, 10},
        {14400, 1.2, 11, 10},     {13200, 1.1, 11, 9},
    };
    copyExample();
    for (const Case& c : cases) {
        scripted.screen.set(c.screen);
        frmMain& d = restart();
        EXPECT_NEAR(controls::twips(&d).width(), 12000 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(controls::twips(d.Namn).width(), 2900 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(controls::twips(d.panAdmin).left(), 2100 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(controls::twips(d.MTid).top(), 420 * c.size, 0.01) << c.screen;
        EXPECT_EQ(*controls::fontSize(d.Namn), c.field) << c.screen;
        EXPECT_EQ(*controls::fontSize(d.CommentsBox), c.window) << c.screen;
        EXPECT_FALSE(controls::fontSize(d.Image3).has_value());
    }
}

TEST_F(DeskTest, DeskOnAWideScreenScalesOnlyAsFarAsItsHeightFits) {
    copyExample();
    // 1366 x 768: by the width alone the desk would be 803 pixels high.
    scripted.screen.set(1366 * 15, 768 * 15);
    frmMain& d = restart();
    const double k = (768 * 15 - 600) / (825.0 + 7050);
    EXPECT_NEAR(controls::twips(&d).height(), 7050 * k, 0.01);
    EXPECT_NEAR(controls::twips(&d).bottom() + 600, 768 * 15, 0.01);
    EXPECT_NEAR(controls::twips(d.MTid).top(), 420 * k, 0.01);
    EXPECT_EQ(*controls::fontSize(d.Namn), 11);
}
