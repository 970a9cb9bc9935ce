// Adding, editing and saving participants on the race file; the panel's keys, messages and removals are
// walked through in the participants scenario, a renamed boat keeping its record in the stays-on-desk one.
#include "DeskFixture.h"

#include "ControlProps.h"
#include "RaceFiles.h"

namespace {

const std::vector<Boat> fiveWithThirdDeleted = {
    {QStringLiteral("Anna"), QStringLiteral("S1")},
    {QStringLiteral("Bertil"), QStringLiteral("S2")},
    {QStringLiteral("Borta"), QStringLiteral("S3"), 1.0f, 0, 0, -1},
    {QStringLiteral("David"), QStringLiteral("S4")},
    {QStringLiteral("Erik"), QStringLiteral("S5")},
};

} // namespace

class ParticipantTest : public DeskTest {
protected:
    frmMain& open(const std::vector<Boat>& boats) {
        writeRace(QStringLiteral("Vår.dat"), boats);
        writeSettings(path(QStringLiteral("Vår.dat")), QStringLiteral("NC"));
        return load();
    }
    void add(frmMain& d, const QString& namn, const QString& segel, const QString& lys,
             const QString& comment = {}) {
        d.AddButton_Click();
        d.Namn->setText(namn);
        d.SegelId->setText(segel);
        d.LysTal->setText(lys);
        d.CommentsBox->setText(comment);
        d.OkButton_Click();
    }
};

TEST_F(ParticipantTest, NewParticipantIsAppendedAfterTheDeletedRecord) {
    frmMain& d = open(fiveWithThirdDeleted);
    EXPECT_EQ(d.lstDeltagare->ItemData(2), 4);
    add(d, QStringLiteral("Ö"), QStringLiteral("S-12"), QStringLiteral("1,05"), QStringLiteral(" Blåsigt "));
    EXPECT_EQ(recordCount(QStringLiteral("Vår.dat")), 6);
    const int at = d.lstDeltagare->ListIndex();
    EXPECT_EQ(d.lstDeltagare->List(at), QStringLiteral("Ö , S-12"));
    EXPECT_EQ(at, 4); // Swedish order puts Ö last
    EXPECT_EQ(d.lstDeltagare->ItemData(at), 6);
    const DeltagarPost saved = record(QStringLiteral("Vår.dat"), 6);
    EXPECT_FLOAT_EQ(saved.LysTal, 1.05f);
    EXPECT_EQ(saved.KommentarLen, 7);
    EXPECT_EQ(d.CommentsBox->Text(), QStringLiteral("Blåsigt"));
    EXPECT_FALSE(controls::ownVisible(d.OkButton));
    EXPECT_TRUE(controls::ownVisible(d.AddButton));
    EXPECT_EQ(d.AntalDeltagare, 5);
}

TEST_F(ParticipantTest, EverySaveAppendsTheCommentAndPointsAtTheLastCopy) {
    frmMain& d = open({{QStringLiteral("Anna"), QStringLiteral("S1")}});
    d.CommentsBox->setText(QStringLiteral("Reva"));
    d.EditButton_Click();
    d.OkButton_Click();
    d.EditButton_Click();
    d.OkButton_Click();
    EXPECT_EQ(readBytes(path(QStringLiteral("Vår.cmt"))), QByteArray("RevaReva"));
    EXPECT_EQ(record(QStringLiteral("Vår.dat"), 1).KommentarPos, 5);
    EXPECT_EQ(d.CommentsBox->Text(), QStringLiteral("Reva"));
}

// A pasted text is cut in its box, and after "Ok" the boxes and the list show the record as stored.
TEST_F(ParticipantTest, TheBoxesTakeWhatTheRecordKeepsAndShowItAsStored) {
    const struct {
        QString Namn, SegelId, BTyp;
        QString boxes, entry; // the three boxes after Ok, joined by "|"
    } cases[] = {
        {QStringLiteral("Abcdefghijklmnopqrstuvwxy"), QStringLiteral("SWE-1234567"),
         QStringLiteral("Maxi Fenix 95 XLS"),
         QStringLiteral("Abcdefghijklmnopqrst|SWE-123456|Maxi Fenix 95 X"),
         QStringLiteral("Abcdefghijklmnopqrst , SWE-123456")},
        {QStringLiteral("  Ärla "), QStringLiteral(" S9"), QStringLiteral("IF"), QStringLiteral("Ärla|S9|IF"),
         QStringLiteral("Ärla , S9")},
    };
    frmMain& d = open({});
    for (const auto& c : cases) {
        add(d, c.Namn, c.SegelId, QStringLiteral("1"));
        d.BTyp->setText(c.BTyp);
        d.EditButton_Click();
        d.OkButton_Click();
        EXPECT_EQ(QStringList({d.Namn->Text(), d.SegelId->Text(), d.BTyp->Text()}).join(u'|'), c.boxes);
        EXPECT_EQ(d.lstDeltagare->List(d.lstDeltagare->ListIndex()), c.entry);
    }
    const QStringList listed = entries(d.lstDeltagare);
    EXPECT_EQ(entries(restart().lstDeltagare), listed);
}
