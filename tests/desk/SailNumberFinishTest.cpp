// The finish by sail number: when the box is there, what covers it, and Enter never reaching it.
#include "DeskFixture.h"

#include "ControlProps.h"

#include <QFile>

namespace {

bool segelNrShown(const frmMain& d) {
    return controls::ownVisible(d.txtSegelNr) && controls::ownVisible(d.lblSegelNr);
}

} // namespace

class SailNumberFinishTest : public DeskTest {
protected:
    void typeText(frmMain& d, const QString& text) {
        for (const QChar c : text)
            d.typeChar(d.txtSegelNr, c.unicode());
    }
};

// Before a start the box is out of reach (the sailnr-finish scenario); a new race takes it away again.
TEST_F(SailNumberFinishTest, GoesWithANewRace) {
    frmMain& d = startedRace();
    ASSERT_TRUE(segelNrShown(d));
    scripted.dialogs.queueFile(path(QStringLiteral("Ny.dat")));
    d.lblNewFile_Click();
    EXPECT_FALSE(segelNrShown(d));
}

TEST_F(SailNumberFinishTest, StaysAfterARefusedSaveOfTheFinish) {
    // A race under way whose race file turned read-only since the start.
    writeRace(QStringLiteral("Höst.dat"), {{QStringLiteral("Anna"), QStringLiteral("SWE 4410"), 1.0f}},
              july5(10, 0, 0));
    writeSettings(path(QStringLiteral("Höst.dat")), QString());
    QFile::setPermissions(path(QStringLiteral("Höst.dat")), QFileDevice::ReadOwner);
    frmMain& d = load();
    ASSERT_TRUE(segelNrShown(d));
    clock(2003, 7, 5, 12, 0, 0);
    typeText(d, QStringLiteral("4410\r"));
    EXPECT_TRUE(messageTexts().value(0).startsWith(QStringLiteral("Fel vid UppDatering")));
    EXPECT_TRUE(segelNrShown(d)) << "the race stays on the desk";
    EXPECT_EQ(entries(d.lstMg), QStringList{QStringLiteral("¤Anna , SWE 4410")});
}

// During a race the help opens beside the panel: the box stays uncovered and keeps the keyboard.
TEST_F(SailNumberFinishTest, HelpDuringARaceLeavesTheBoxTheKeyboard) {
    frmMain& d = startedRace({{QStringLiteral("Anna"), QStringLiteral("SWE 4410")}});
    d.lblInfo_Click();
    const QWidget* help = d.findChild<QWidget*>(QStringLiteral("frmHjalp"));
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_FALSE(d.txtInfo->isVisible());
    const QRect box(d.txtSegelNr->mapToGlobal(QPoint(0, 0)), d.txtSegelNr->size());
    EXPECT_FALSE(help->frameGeometry().intersects(box));
    EXPECT_EQ(controls::Form::focusedControl(), d.txtSegelNr);
    clock(2003, 7, 5, 12, 0, 0);
    typeText(d, QStringLiteral("4410\r"));
    EXPECT_EQ(entries(d.lstMg).value(0), QStringLiteral("¤Anna , SWE 4410"));
    d.lblInfo_Click();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(controls::Form::focusedControl(), d.txtSegelNr);
}
