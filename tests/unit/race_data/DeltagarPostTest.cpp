#include "DeltagarPost.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Åsa Ek, SWE 1234, Folkbåt, LYS 1.25, four times, deleted, comment at 258 of 7 characters.
const QByteArray Record = "\xC5sa Ek" + QByteArray(14, ' ') + "SWE 1234  " + "Folkb\xE5t" +
                          QByteArray(8, ' ') +
                          QByteArray::fromHex("0000a03f"
                                              "00000000f09de240"
                                              "00000000f89de240"
                                              "000000000000d03f"
                                              "000000000000d43f"
                                              "ffffffff"
                                              "02010000"
                                              "07000000");

QString fields(const DeltagarPost& p) {
    QStringList texts{'"' + p.Namn + '"', '"' + p.SegelId + '"', '"' + p.BTyp + '"'};
    for (const double d : {double(p.LysTal), p.StartTid, p.MalTid, p.SeglTid, p.KorrigeradTid})
        texts << QString::number(d, 'g', QLocale::FloatingPointShortest);
    for (const int n : {p.Borttagen, p.KommentarPos, p.KommentarLen})
        texts << QString::number(n);
    return texts.join(' ');
}

} // namespace

TEST(DeltagarPost, EncodesAndDecodesFieldByFieldLittleEndian) {
    const DeltagarPost post{"Åsa Ek", "SWE 1234", "Folkbåt", 1.25f, 38127.5, 38127.75,
                            0.25,     0.3125,     -1,        258,   7};
    EXPECT_EQ(race_data::encodeRecord(post).toHex(' '), Record.toHex(' '));
    EXPECT_EQ(fields(race_data::decodeRecord(Record)), "\"Åsa Ek              \" \"SWE 1234  \" \"Folkbåt    "
                                                       "    \" 1.25 38127.5 38127.75 0.25 0.3125 -1 258 7");
}

TEST(DeltagarPost, TextsAreCutAfterEncodingNotBefore) {
    DeltagarPost p;
    p.Namn = "Sjöström Sjöström Sjö";
    EXPECT_EQ(race_data::encodeRecord(p).left(20), "Sj\xF6str\xF6m Sj\xF6str\xF6m Sj");
}

// A damaged or short record still decodes: any bytes, and missing bytes read as zeros.
TEST(DeltagarPost, AnyBytesDecode) {
    EXPECT_EQ(fields(race_data::decodeRecord(QByteArray(93, '\xFF'))),
              QStringLiteral("\"%1\" \"%2\" \"%3\" nan nan nan nan nan -1 -1 -1")
                  .arg(QString(20, QChar(0xFF)), QString(10, QChar(0xFF)), QString(15, QChar(0xFF))));
    EXPECT_EQ(fields(race_data::decodeRecord(Record.left(61))).section(' ', -8),
              "1.25 38127.5 0 0 0 0 0 0"); // cut inside MalTid
}
