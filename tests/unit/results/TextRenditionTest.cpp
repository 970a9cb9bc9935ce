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
    const QString expected = blanks(12) + "Namn" + blanks(24) + "Start" + blanks(4) + "Mål" + blanks(6) +
                             "Seglad Tid" + blanks(3) + "SRS" + blanks(5) + "Korrigerad Tid" + blanks(3) +
                             "Plac." + blanks(2) + "Poäng";
    EXPECT_EQ(lines[0], expected);
    EXPECT_EQ(lines[0].size(), 108);
}

TEST(TextRendition, RowFieldsUseTheRowTabsNotTheHeaderTabs) {
    const ResultatRad row{"Vinga , S-1", "11:00:00", "13:04:10", "2:04:10", "1,050", "2:10:25", "1", "9"};
    const QStringList lines = results::renderPrint(results::rowItems(row));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].indexOf("2:04:10"), 60);
    EXPECT_EQ(lines[0].indexOf("1,050"), 72);
    EXPECT_EQ(lines[0].indexOf("2:10:25"), 82);
    EXPECT_EQ(lines[0].lastIndexOf("1"), 97);
    EXPECT_EQ(lines[0].indexOf("9"), 104);
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

TEST(TextRendition, TableHasHeaderRowsAndAGapAfterEachBoat) {
    const auto row = [](int r) {
        ResultatRad cells;
        if (r > 2) cells[0] = "Båt " + QString::number(r);
        return cells;
    };
    const QStringList lines = results::renderTable(4, row);
    ASSERT_EQ(lines.size(), 1 + 2 + 2 * 2);
    EXPECT_EQ(lines[3].trimmed(), "Båt 3");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5].trimmed(), "Båt 4");
    EXPECT_EQ(lines[6], "");
}
