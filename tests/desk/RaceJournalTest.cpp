#include "DeskFixture.h"

using namespace Qt::StringLiterals;

TEST_F(DeskTest, EveryKindOfRegistrationAndStartChangeGetsItsJournalLine) {
    frmMain& d = startedRace({{u"Anna"_s, u"S123"_s, 1.0f}, {u"Bertil"_s, u"S2"_s, 1.13f}});
    clock(2003, 7, 5, 14, 5, 9);
    queue(d, 0);
    d.lstMg->setListIndex(0);
    clock(2003, 7, 5, 14, 5, 29);
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    d.lstMg->setListIndex(0);
    clock(2003, 7, 5, 14, 10, 0);
    d.MTid->setText(u"14:06:00"_s);
    scripted.dialogs.queueAnswer(platform::Answer::Yes);
    d.MTid_KeyPress(13);
    d.txtStartTid->setText(u"2003-07-05    09:59:00"_s);
    for (const platform::Answer a : {platform::Answer::OK, platform::Answer::Yes, platform::Answer::OK})
        scripted.dialogs.queueAnswer(a);
    d.txtStartTid_KeyPress(13);
    d.txtSegelNr->setText(u"S2"_s);
    d.txtSegelNr_KeyPress(13);
    d.lstDeltagare->setListIndex(0);
    d.EditButton_Click();
    d.LysTal->setText(u"1,10"_s);
    d.BTyp->setText(u"IF"_s);
    d.OkButton_Click();
    EXPECT_EQ(QString::fromUtf8(readBytes(path(u"Höst.log"_s))).split(u"\r\n"_s),
              (QStringList{
                  u"Tidpunkt;Händelse;Post;Namn;SegelId;Gammalt värde;Nytt värde;Källa"_s,
                  u"2003-07-05 10:00:00;start;;;;;2003-07-05 10:00:00;"_s,
                  u"2003-07-05 14:05:09;mål;1;Anna;S123;;2003-07-05 14:05:09;klick"_s,
                  QStringLiteral(
                      "2003-07-05 14:05:29;ny tid;1;Anna;S123;2003-07-05 14:05:09;2003-07-05 14:05:29;klick"),
                  QStringLiteral("2003-07-05 14:10:00;ny tid;1;Anna;S123;2003-07-05 14:05:29;2003-07-05 "
                                 "14:06:00;inskriven tid"),
                  u"2003-07-05 14:10:00;start;;;;2003-07-05 10:00:00;2003-07-05 09:59:00;"_s,
                  u"2003-07-05 14:10:00;korrigerad tid;1;Anna;S123;4:06:00;4:07:00;"_s,
                  u"2003-07-05 14:10:00;mål;2;Bertil;S2;;2003-07-05 14:10:00;segelnr"_s,
                  u"2003-07-05 14:10:00;båttyp;1;Anna;S123;;IF;"_s,
                  u"2003-07-05 14:10:00;lystal;1;Anna;S123;1,000;1,100;"_s,
                  u"2003-07-05 14:10:00;korrigerad tid;1;Anna;S123;4:07:00;4:31:42;"_s, QString()}));
}
