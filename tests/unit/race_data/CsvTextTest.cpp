#include "CsvText.h"

#include <gtest/gtest.h>

using namespace race_data;

TEST(CsvText, FieldsAreQuotedOnlyWhereASpreadsheetWouldMisreadThem) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Ägir , S-1"), QStringLiteral("Ägir , S-1")},
        {QStringLiteral("A;B"), QStringLiteral("\"A;B\"")},
        {QStringLiteral("Båt \"Lilla\""), QStringLiteral("\"Båt \"\"Lilla\"\"\"")},
        {QStringLiteral("rad1\r\nrad2"), QStringLiteral("\"rad1\r\nrad2\"")},
        {QStringLiteral("rad1\nrad2"), QStringLiteral("\"rad1\nrad2\"")},
        {QString(), QString()},
    };
    for (const auto& [text, written] : cases)
        EXPECT_EQ(csv::field(text, u';'), written) << text.toStdString();
    // A comma matters only when it is the separator.
    EXPECT_EQ(csv::field(QStringLiteral("1,05"), u','), QStringLiteral("\"1,05\""));
    EXPECT_EQ(csv::line({QStringLiteral("a"), QStringLiteral("b;c"), QString()}, u';'),
              QStringLiteral("a;\"b;c\";"));
}

TEST(CsvText, WrittenFieldsReadBackUnchanged) {
    const QStringList fields{QStringLiteral("x;y"), QStringLiteral("\"q\""), QStringLiteral("a\r\nb"),
                             QString(), QStringLiteral("å")};
    const std::vector<csv::Record> read = csv::records(csv::line(fields, u';') + "\r\nnästa", u';');
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].fields, fields);
    EXPECT_EQ(read[0].line, 1);
    // The quoted line break counts: the next record starts on line 3.
    EXPECT_EQ(read[1].line, 3);
    EXPECT_EQ(read[1].fields, QStringList{QStringLiteral("nästa")});
}

TEST(CsvText, AQuoteOpensAFieldOnlyAtItsStart) {
    const std::vector<csv::Record> read = csv::records(u"  \"a;b\" ;x\"y\"", u';');
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].fields, (QStringList{QStringLiteral("a;b "), QStringLiteral("x\"y\"")}));
}
