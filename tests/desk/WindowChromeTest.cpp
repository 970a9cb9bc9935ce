#include "DeskFixture.h"

using namespace Qt::StringLiterals;

// Places and sizes in proportion across and down, fonts with the smaller factor, and back again.
TEST_F(DeskTest, TheDeskGrowsAndShrinksWithItsWindow) {
    frmMain& d = openRace(u"Höst.dat"_s, {{u"Anna"_s, u"S1"_s}});
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
