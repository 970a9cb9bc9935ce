// The finish by sail number on a read-only race, and beside the help.
#include "DeskFixture.h"

#include "ControlProps.h"

using namespace Qt::StringLiterals;

TEST_F(DeskTest, StaysAfterARefusedSaveOfTheFinish) {
    openRace(u"Höst.dat"_s, {{u"Anna"_s, u"SWE 4410"_s, 1.0f}}, july5(10, 0, 0));
    makeReadOnly(path(u"Höst.dat"_s));
    frmMain& d = restart();
    clock(2003, 7, 5, 12, 0, 0);
    d.txtSegelNr->setText(u"4410"_s);
    d.txtSegelNr_KeyPress(13);
    EXPECT_TRUE(messageTexts().value(0).startsWith(u"Fel vid UppDatering"_s));
    EXPECT_TRUE(controls::ownVisible(d.txtSegelNr)) << "the race stays on the desk";
    EXPECT_EQ(entries(d.lstMg), QStringList{u"¤Anna , SWE 4410"_s});
}

// During a race the help opens beside the panel and the box keeps the keyboard.
TEST_F(DeskTest, HelpDuringARaceLeavesTheBoxTheKeyboard) {
    frmMain& d = startedRace({{u"Anna"_s, u"SWE 4410"_s}});
    d.lblInfo_Click();
    const QWidget* help = d.findChild<QWidget*>(u"frmHjalp"_s);
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(controls::Form::focusedControl(), d.txtSegelNr);
    d.lblInfo_Click();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(controls::Form::focusedControl(), d.txtSegelNr);
}
