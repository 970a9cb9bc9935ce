#include "PrintResultList.h"
#include "RecordingPrintJob.h"

#include <gtest/gtest.h>

using results::ResultatRad;

namespace {

// A result list of n rows: the title row, the empty row and boats named "Båt 3", "Båt 4", ...
ResultatRad listRow(int r) {
    if (r == 1) return {"Tävling 2006-05-20  mellan", "maj-20", "maj-20", "", "", "", "", ""};
    if (r == 2) return {};
    const QString n = QString::number(r);
    const QString place = QString::number(r - 2);
    return {"Båt " + n, "11:00:00", "13:00:" + n, "2:00:" + n, "1,050", "2:06:" + n, place, place};
}

QString printedRow(int r) {
    const ResultatRad c = listRow(r);
    return QStringLiteral("Print <13>%1<41>%2<50>%3<61>%4<73>%5<83>%6<98>%7<105>%8")
        .arg(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
}

struct Printed {
    RecordingPrintJob job;
    std::vector<int> selected;
};

void print(Printed& p, int rows) {
    results::printResultList(p.job, QImage(76, 76, QImage::Format_RGB32), "Vår klubb", "Brisrundan 2006",
                             rows, listRow, [&p](int r) { p.selected.push_back(r); });
}

const QStringList TitleAndHeader{
    "ScaleMode 7",
    "PaintPicture 76x76 2 0.5 2 2",
    "FontName MS Sans Serif",
    "FontBold 1",
    "CurrentX 6",
    "CurrentY 1",
    "FontSize 18",
    "Print Vår klubb",
    "CurrentX 2",
    "CurrentY 3.5",
    "FontSize 14",
    "Print Brisrundan 2006",
    "FontSize 10",
    "FontUnderline 1",
    "CurrentY 5",
    "Print <13>Namn<41>Start<50>Mål<59>Seglad Tid<72>SRS<80>Korrigerad Tid<97>Plac.<104>Poäng",
    "FontUnderline 0",
    "CurrentY 6",
};

} // namespace

TEST(PrintResultList, ThreeBoatsPrintTitleHeaderFiveLinesAndEndWithoutEmptyPage) {
    Printed p;
    print(p, 5);
    QStringList expected = TitleAndHeader;
    expected << printedRow(1) << printedRow(2) << printedRow(3) << "Print" << printedRow(4) << "Print"
             << printedRow(5) << "Print"
             << "NewPage"
             << "EndDoc";
    EXPECT_EQ(p.job.ops, expected);
    EXPECT_EQ(p.selected, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(PrintResultList, TitleRowsAloneGetNoEmptyLines) {
    Printed p;
    print(p, 2);
    QStringList expected = TitleAndHeader;
    expected << printedRow(1) << printedRow(2) << "NewPage"
             << "EndDoc";
    EXPECT_EQ(p.job.ops, expected);
}

TEST(PrintResultList, EverySixtiethRowEndsThePage) {
    struct Case {
        int rows;
        QStringList tail;
    };
    const Case cases[] = {
        {60, {printedRow(60), "Print", "NewPage", "NewPage", "EndDoc"}},
        {61, {printedRow(60), "Print", "NewPage", printedRow(61), "Print", "NewPage", "EndDoc"}},
        {121, {printedRow(120), "Print", "NewPage", printedRow(121), "Print", "NewPage", "EndDoc"}},
    };
    for (const Case& c : cases) {
        Printed p;
        print(p, c.rows);
        const QStringList& ops = p.job.ops;
        EXPECT_EQ(ops.mid(ops.size() - c.tail.size()), c.tail) << c.rows << " rows";
        EXPECT_EQ(ops.count("NewPage"), c.rows / 60 + 1) << c.rows << " rows";
        EXPECT_EQ(p.selected.back(), c.rows);
    }
}

TEST(PrintResultList, AFailingOperationStopsTheJobAndReachesTheCaller) {
    Printed p;
    // The Print of row 4 fails: the title block, the header and rows 1..3 with its gap went out.
    p.job.failAt = static_cast<int>(TitleAndHeader.size()) + 5;
    EXPECT_THROW(print(p, 5), RuntimeError);
    QStringList expected = TitleAndHeader;
    expected << printedRow(1) << printedRow(2) << printedRow(3) << "Print";
    EXPECT_EQ(p.job.ops, expected);
    EXPECT_EQ(p.selected.back(), 4);
}
