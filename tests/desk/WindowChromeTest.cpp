// Panel switching, the info text and scaling to the screen.
#include "DeskFixture.h"

#include "ControlProps.h"

#include <QSet>
#include <QShortcut>

namespace {

bool shown(QWidget* w) {
    return controls::ownVisible(w);
}

} // namespace

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
        {12000, 1.0, 9.75, 8.25}, {9600, 1.0, 9.75, 8.25},     {15360, 1.28, 12.48, 10.56},
        {14400, 1.2, 11.7, 9.9},  {13200, 1.1, 10.725, 9.075},
    };
    copyExample();
    for (const Case& c : cases) {
        scripted.screen.set(c.screen);
        frmMain& d = restart();
        EXPECT_NEAR(controls::twips(&d).width(), 12000 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(controls::twips(d.Namn).width(), 2900 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(controls::twips(d.panAdmin).left(), 2100 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(controls::twips(d.MTid).top(), 420 * c.size, 0.01) << c.screen;
        EXPECT_NEAR(*controls::fontSize(d.Namn), c.field, 0.01) << c.screen;
        EXPECT_NEAR(*controls::fontSize(d.CommentsBox), c.window, 0.01) << c.screen;
        EXPECT_FALSE(controls::fontSize(d.Image3).has_value());
    }
}

// Every command of the left column has its own access key, none taken by a button of the desk, and the
// key clicks the command.
TEST_F(DeskTest, EveryCommandHasItsOwnAccessKey) {
    copyExample();
    frmMain& d = load();
    QSet<QString> taken{QStringLiteral("Alt+N"), QStringLiteral("Alt+E"), QStringLiteral("Alt+T"),
                        QStringLiteral("Alt+O"), QStringLiteral("Alt+Å"), QStringLiteral("Alt+G")};
    for (controls::Label* l :
         {d.lblNewFile, d.lblOpen, d.lblSave, d.lblInfo, d.lblQuit, d.lblPanD, d.lblPanSM, d.lblfrmRes,
          d.lblPanPrint, d.lblExport, d.lblImport, d.lblPublicera}) {
        const auto* key = l->findChild<QShortcut*>();
        ASSERT_TRUE(key) << l->objectName().toStdString();
        const QString text = key->key().toString();
        EXPECT_FALSE(taken.contains(text)) << text.toStdString();
        taken.insert(text);
    }
    emit d.lblInfo->findChild<QShortcut*>()->activated();
    EXPECT_TRUE(shown(d.txtInfo));
    EXPECT_EQ(d.lblInfo->caption(), QStringLiteral("&Hjälp / Info"));
}

// The desk grows with its window: places and sizes in proportion across and down, fonts with the smaller
// factor, and back again.
TEST_F(DeskTest, TheDeskGrowsAndShrinksWithItsWindow) {
    copyExample();
    frmMain& d = load();
    const QRect list = d.lstDeltagare->geometry();
    const qreal font = d.lstDeltagare->font().pointSizeF();
    const QSize design = d.size();
    d.resize(design * 1.5);
    EXPECT_NEAR(d.lstDeltagare->geometry().width(), list.width() * 1.5, 1);
    EXPECT_NEAR(d.lstDeltagare->geometry().x(), list.x() * 1.5, 1);
    EXPECT_NEAR(d.lstDeltagare->font().pointSizeF(), font * 1.5, 0.01);
    d.resize(design.width() * 2, design.height()); // wider only: lists widen, text keeps its size
    EXPECT_NEAR(d.lstDeltagare->geometry().width(), list.width() * 2, 1);
    EXPECT_EQ(d.lstDeltagare->geometry().height(), list.height());
    EXPECT_EQ(d.lstDeltagare->font().pointSizeF(), font);
    d.resize(design);
    EXPECT_EQ(d.lstDeltagare->geometry(), list);
    EXPECT_EQ(d.lstDeltagare->font().pointSizeF(), font);
}
