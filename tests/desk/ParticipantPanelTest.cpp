// Adding and saving participants on the race file; the panel's keys and messages are in the scenarios.
#include "DeskFixture.h"

#include "ControlProps.h"

using namespace Qt::StringLiterals;

// A new boat takes the record after the last, deleted or not; every save appends its comment, trimmed.
TEST_F(DeskTest, ANewBoatFollowsTheDeletedRecordAndEverySaveAppendsItsComment) {
    frmMain& d = openRace(u"Vår.dat"_s, {{u"Anna"_s, u"S1"_s},
                                         {u"Bertil"_s, u"S2"_s},
                                         {u"Borta"_s, u"S3"_s, 1.0f, 0, 0, -1},
                                         {u"David"_s, u"S4"_s},
                                         {u"Erik"_s, u"S5"_s}});
    EXPECT_EQ(d.lstDeltagare->ItemData(2), 4);
    d.AddButton_Click();
    d.Namn->setText(u"Ö"_s);
    d.SegelId->setText(u"S-12"_s);
    d.LysTal->setText(u"1,05"_s);
    d.CommentsBox->setText(u" Blåsigt "_s);
    d.OkButton_Click();
    ASSERT_EQ(recordCount(u"Vår.dat"_s), 6);
    EXPECT_EQ(d.lstDeltagare->ListIndex(), 4); // Swedish order puts Ö last
    EXPECT_EQ(d.lstDeltagare->List(4), u"Ö , S-12"_s);
    EXPECT_EQ(d.lstDeltagare->ItemData(4), 6);
    EXPECT_FLOAT_EQ(record(u"Vår.dat"_s, 6).LysTal, 1.05f);
    EXPECT_EQ(d.AntalDeltagare, 5);
    EXPECT_FALSE(controls::ownVisible(d.OkButton));
    const int first = record(u"Vår.dat"_s, 6).KommentarPos;
    d.EditButton_Click();
    d.OkButton_Click();
    EXPECT_EQ(record(u"Vår.dat"_s, 6).KommentarPos, first + 7);
    EXPECT_EQ(record(u"Vår.dat"_s, 6).KommentarLen, 7);
    EXPECT_EQ(d.CommentsBox->Text(), u"Blåsigt"_s);
}
