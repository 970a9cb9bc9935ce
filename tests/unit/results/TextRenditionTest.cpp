#include "TextRendition.h"

#include "QStringPrint.h"

#include <gtest/gtest.h>

using results::ResultatRad;

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QStringList rendered(const ResultatRad& row) {
    return results::renderPrint(results::rowItems(row));
}

} // namespace

// The heading line stands at its tab columns, and each heading starts where its values start.
TEST(TextRendition, EachHeadingStandsAtItsTabColumnOverItsValues) {
    const QStringList header = results::renderPrint(results::headerItems());
    ASSERT_EQ(header.size(), 1);
    EXPECT_EQ(header[0], blanks(12) + "Namn" + blanks(24) + "Start" + blanks(4) + "Mål" + blanks(8) +
                             "Seglad Tid" + blanks(2) + "SRS" + blanks(7) + "Korrigerad Tid" + blanks(1) +
                             "Plac." + blanks(2) + "Poäng");
    const ResultatRad row{"Vinga , S-1", "11:00:00", "13:04:10", "2:04:10", "1,050", "2:10:25", "3=", "9"};
    const QStringList line = rendered(row);
    ASSERT_EQ(line.size(), 1);
    const ResultatRad headings = results::headerTexts();
    for (std::size_t c = 0; c < results::ColumnCount; ++c)
        EXPECT_EQ(line[0].indexOf(row[c]), header[0].indexOf(headings[c])) << headings[c].toStdString();
}

// A name from column 13 to 41, one past the start column, pushes the rest onto a second line; one that
// ends just before it keeps the row on one line.
TEST(TextRendition, LongBoatNamePushesTheRestToTheNextLineAtColumn41) {
    const QString name(29, QLatin1Char('X'));
    const QStringList lines =
        rendered({name, "11:00:00", "13:04:10", "2:04:10", "1,050", "2:10:25", "1", "1"});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], blanks(12) + name);
    EXPECT_TRUE(lines[1].startsWith(blanks(40) + "11:00:00" + blanks(1) + "13:04:10"))
        << lines[1].toStdString();
    EXPECT_EQ(rendered({QString(28, QLatin1Char('X')), "11:00:00"}).size(), 1);
}
