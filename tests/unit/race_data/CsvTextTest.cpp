#include "CsvText.h"

#include <gtest/gtest.h>

using namespace race_data;

// Fields are quoted only where a spreadsheet would misread them; a comma matters only as the separator.
TEST(CsvText, FieldsAreQuotedOnlyWhereASpreadsheetWouldMisreadThem) {
    const std::pair<QString, QString> cases[] = {{"Ägir , S-1", "Ägir , S-1"},
                                                 {"A;B", "\"A;B\""},
                                                 {"Båt \"Lilla\"", "\"Båt \"\"Lilla\"\"\""},
                                                 {"rad1\r\nrad2", "\"rad1\r\nrad2\""},
                                                 {"rad1\nrad2", "\"rad1\nrad2\""},
                                                 {"", ""}};
    for (const auto& [text, written] : cases)
        EXPECT_EQ(csv::field(text, u';'), written) << text.toStdString();
    EXPECT_EQ(csv::field("1,05", u','), "\"1,05\"");
    EXPECT_EQ(csv::line({"a", "b;c", ""}, u';'), "a;\"b;c\";");
}

// Written fields read back unchanged; a quoted line break counts, so the next record starts on line 3. A
// quote opens a field only at its start.
TEST(CsvText, WrittenFieldsReadBackUnchanged) {
    const QStringList fields{"x;y", "\"q\"", "a\r\nb", "", "å"};
    const std::vector<csv::Record> read = csv::records(csv::line(fields, u';') + "\r\nnästa", u';');
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].fields, fields);
    EXPECT_EQ(read[0].line, 1);
    EXPECT_EQ(read[1].line, 3);
    EXPECT_EQ(read[1].fields, QStringList{"nästa"});
    EXPECT_EQ(csv::records(u"  \"a;b\" ;x\"y\"", u';').at(0).fields, (QStringList{"a;b ", "x\"y\""}));
}
