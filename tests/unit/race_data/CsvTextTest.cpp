#include "CsvText.h"

#include <gtest/gtest.h>

using namespace race_data;

// A field is quoted only where a spreadsheet would misread it, and a quote opens a field only at its start.
TEST(CsvText, FieldsAreQuotedOnlyWhereNeededAndReadBackUnchanged) {
    const QStringList fields{"Ägir , S-1", "x;y", "Båt \"Lilla\"", "a\r\nb", "a\nb", "", "å"};
    const QString line = csv::line(fields, u';');
    EXPECT_EQ(line, "Ägir , S-1;\"x;y\";\"Båt \"\"Lilla\"\"\";\"a\r\nb\";\"a\nb\";;å");
    const std::vector<csv::Record> read = csv::records(line + "\r\nnästa", u';');
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].fields, fields);
    EXPECT_EQ(read[1].line, 4); // the quoted line breaks count
    EXPECT_EQ(csv::records(u"  \"a;b\" ;x\"y\"", u';').at(0).fields, (QStringList{"a;b ", "x\"y\""}));
}
