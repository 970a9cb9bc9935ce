#include "Cp1252.h"

#include <gtest/gtest.h>
#include <numeric>

TEST(Cp1252, EncodesTheWholeHighTableAndEveryByteSurvivesDecodeAndEncode) {
    const QString text = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ åäöÅÄÖé");
    const QByteArray expected = QByteArray::fromHex("8082838485868788898a8b8c8e9192939495969798999a9b9c9e9f"
                                                    "20e5e4f6c5c4d6e9");
    EXPECT_EQ(cp1252::encode(text).toHex(), expected.toHex());
    EXPECT_EQ(cp1252::decode(expected), text);
    QByteArray all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(cp1252::encode(QStringLiteral("Łódź 😀 ☃")), QByteArray("?\xF3"
                                                                     "d? ? ?"));
    // Half a pair, as a text cut after a fixed number of characters ends.
    EXPECT_EQ(cp1252::encode(QStringLiteral("Båt") + QChar(0xD83D)), QByteArray("B\xE5t?"));
}
