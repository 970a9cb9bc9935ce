// The access keys, and the desk growing with its window.
#include "DeskFixture.h"

#include "ControlProps.h"

#include <QSet>
#include <QShortcut>

using namespace Qt::StringLiterals;

// Each command of the left column has an access key of its own, which clicks it.
TEST_F(DeskTest, EveryCommandHasItsOwnAccessKey) {
    frmMain& d = openRace(u"Höst.dat"_s, {{u"Anna"_s, u"S1"_s}});
    QSet<QString> taken{u"Alt+N"_s, u"Alt+E"_s, u"Alt+T"_s, u"Alt+O"_s, u"Alt+Å"_s, u"Alt+G"_s};
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
    EXPECT_TRUE(controls::ownVisible(d.txtInfo));
}

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
