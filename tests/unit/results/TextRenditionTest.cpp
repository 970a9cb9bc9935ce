#include "TextRendition.h"

#include "QStringPrint.h"

#include <gtest/gtest.h>

using results::ResultatRad;

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

} // namespace

TEST(TextRendition, HeaderLineStandsAtItsTabColumns) {
    const QStringList lines = results::renderPrint(results::headerItems());
    ASSERT_EQ(lines.size(), 1);
    const QString expected = blanks(12) + "Namn" + blanks(24) + "Start" + blanks(4) + "Mål" + blanks(8) +
                             "Seglad Tid" + blanks(2) + "SRS" + blanks(7) + "Korrigerad Tid" + blanks(1) +
                             "Plac." + blanks(2) + "Poäng";
    EXPECT_EQ(lines[0], expected);
}

TEST(TextRendition, EachHeadingStartsWhereItsValuesStart) {
    const ResultatRad row{"Vinga , S-1", "11:00:00", "13:04:10", "2:04:10", "1,050", "2:10:25", "3=", "9"};
    const QString header = results::renderPrint(results::headerItems()).front();
    const QStringList lines = results::renderPrint(results::rowItems(row));
    ASSERT_EQ(lines.size(), 1);
    const results::ResultatRad headings = results::headerTexts();
    for (std::size_t c = 0; c < results::ColumnCount; ++c)
        EXPECT_EQ(lines[0].indexOf(row[c]), header.indexOf(headings[c])) << headings[c].toStdString();
}

TEST(TextRendition, LongBoatNamePushesTheRestToTheNextLineAtColumn41) {
    const QString name(29, QLatin1Char('X')); // from column 13 to 41: one past the start column
    const ResultatRad row{name, "11:00:00", "13:04:10", "2:04:10", "1,050", "2:10:25", "1", "1"};
    const QStringList lines = results::renderPrint(results::rowItems(row));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], blanks(12) + name);
    EXPECT_TRUE(lines[1].startsWith(blanks(40) + "11:00:00" + blanks(1) + "13:04:10"))
        << lines[1].toStdString();

    // A name that ends exactly before column 41 keeps the row on one line.
    const ResultatRad fits{QString(28, QLatin1Char('X')), "11:00:00", "", "", "", "", "", ""};
    EXPECT_EQ(results::renderPrint(results::rowItems(fits)).size(), 1);
}

TEST(TextRendition, TableIsTheHeadingsAndTheBoatRowsOnly) {
    results::ResultExport list;
    list.rows.resize(4);
    list.rows[0][0] = "Tävling 2006-05-20  mellan";
    list.rows[2][0] = "Båt 3";
    list.rows[3][0] = "Båt 4";
    const QStringList lines = results::renderTable(list);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains("Korrigerad Tid"));
    EXPECT_EQ(lines[1].trimmed(), "Båt 3");
    EXPECT_EQ(lines[2].trimmed(), "Båt 4");
}
