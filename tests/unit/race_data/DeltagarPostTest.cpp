#include "DeltagarPost.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// "Åsa Ek", "SWE 1234", "Folkbåt", 1.25, start 38127.5, finish 38127.75, sailed 0.25, corrected 0.3125,
// deleted (-1), comment at 258, 7 characters.
QByteArray fixtureRecord() {
    QByteArray r;
    r += "\xC5sa Ek" + QByteArray(14, ' ');
    r += "SWE 1234  ";
    r += "Folkb\xE5t" + QByteArray(8, ' ');
    r += QByteArray::fromHex("0000a03f");
    r += QByteArray::fromHex("00000000f09de240");
    r += QByteArray::fromHex("00000000f89de240");
    r += QByteArray::fromHex("000000000000d03f");
    r += QByteArray::fromHex("000000000000d43f");
    r += QByteArray::fromHex("ffffffff");
    r += QByteArray::fromHex("02010000");
    r += QByteArray::fromHex("07000000");
    return r;
}

DeltagarPost fixturePost() {
    return {QStringLiteral("Åsa Ek"),
            "SWE 1234",
            QStringLiteral("Folkbåt"),
            1.25f,
            38127.5,
            38127.75,
            0.25,
            0.3125,
            -1,
            258,
            7};
}

} // namespace

TEST(DeltagarPost, EncodesFieldByFieldLittleEndian) {
    const QByteArray expected = fixtureRecord();
    ASSERT_EQ(expected.size(), race_data::RecordLength);
    EXPECT_EQ(race_data::encodeRecord(fixturePost()).toHex(' '), expected.toHex(' '));
}

TEST(DeltagarPost, DecodesFieldByFieldKeepingThePadding) {
    const DeltagarPost p = race_data::decodeRecord(fixtureRecord());
    EXPECT_EQ(p.Namn, QStringLiteral("Åsa Ek              "));
    EXPECT_EQ(p.SegelId, "SWE 1234  ");
    EXPECT_EQ(p.BTyp, QStringLiteral("Folkbåt        "));
    EXPECT_EQ(p.LysTal, 1.25f);
    EXPECT_EQ(p.StartTid, 38127.5);
    EXPECT_EQ(p.MalTid, 38127.75);
    EXPECT_EQ(p.SeglTid, 0.25);
    EXPECT_EQ(p.KorrigeradTid, 0.3125);
    EXPECT_EQ(p.Borttagen, -1);
    EXPECT_EQ(p.KommentarPos, 258);
    EXPECT_EQ(p.KommentarLen, 7);
}

TEST(DeltagarPost, TextsAreCutAfterEncodingAndPadded) {
    struct Case {
        QString namn;
        QByteArray stored;
    };
    const Case cases[] = {
        {QStringLiteral("Abcdefghijklmnopqrstuvwxy"), "Abcdefghijklmnopqrst"},
        {QStringLiteral("Bo"), "Bo" + QByteArray(18, ' ')},
        {QStringLiteral("Öl 😀 Ł"), "\xD6l ? ?" + QByteArray(14, ' ')},
        {QStringLiteral("Sjöström Sjöström Sjö"), "Sj\xF6str\xF6m Sj\xF6str\xF6m Sj"},
    };
    for (const Case& c : cases) {
        DeltagarPost p;
        p.Namn = c.namn;
        EXPECT_EQ(race_data::encodeRecord(p).left(20), c.stored) << c.namn.toStdString();
    }
}

// A damaged or short record still decodes: any bytes, and missing bytes read as zeros.
TEST(DeltagarPost, AnyBytesDecode) {
    QByteArray r(93, '\xFF');
    r.replace(49, 8, QByteArray::fromHex("000000000000f07f")); // +infinity
    const DeltagarPost p = race_data::decodeRecord(r);
    EXPECT_TRUE(std::isinf(p.StartTid));
    EXPECT_TRUE(std::isnan(p.MalTid));
    EXPECT_TRUE(std::isnan(p.LysTal));
    EXPECT_EQ(p.Borttagen, -1);
    EXPECT_EQ(p.Namn, QString(20, QChar(0xFF)));
    const DeltagarPost cut = race_data::decodeRecord(fixtureRecord().left(61));
    EXPECT_EQ(cut.StartTid, 38127.5);
    EXPECT_EQ(cut.MalTid, 0.0);
    EXPECT_EQ(cut.Borttagen, 0);
}
