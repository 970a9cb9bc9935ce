#include "PrintResultList.h"

#include <array>

namespace results {
namespace {

using platform::PrintItem;
using platform::Tab;

constexpr int Centimetres = 7;
std::vector<PrintItem> tabbed(int ResultColumn::*tab, const ResultatRad& texts) {
    std::vector<PrintItem> items;
    items.reserve(2 * ColumnCount);
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        items.emplace_back(Tab{resultColumns()[i].*tab});
        items.emplace_back(texts[i]);
    }
    return items;
}

void printTitleBlock(platform::PrintJob& job, const QImage& picture, const QString& clubName,
                     const QString& heading) {
    job.ScaleMode(Centimetres);
    job.PaintPicture(picture, 2, 0.5, 2, 2);
    job.FontName(QStringLiteral("MS Sans Serif"));
    job.FontBold(true);
    job.CurrentX(6);
    job.CurrentY(1);
    job.FontSize(18);
    job.Print({clubName});
    job.CurrentX(2);
    job.CurrentY(3.5);
    job.FontSize(14);
    job.Print({heading});
}

void printHeader(platform::PrintJob& job) {
    job.FontSize(10);
    job.FontUnderline(true);
    job.CurrentY(5);
    job.Print(headerItems());
    job.FontUnderline(false);
    job.CurrentY(6);
}

} // namespace

std::vector<PrintItem> headerItems() {
    return tabbed(&ResultColumn::headerTab, headerTexts());
}

std::vector<PrintItem> rowItems(const ResultatRad& row) {
    return tabbed(&ResultColumn::rowTab, row);
}

void printResultList(platform::PrintJob& job, const QImage& picture, const QString& clubName,
                     const QString& heading, int rowCount, const RowAccessor& row,
                     const RowSelector& selectRow) {
    printTitleBlock(job, picture, clubName, heading);
    printHeader(job);
    for (int i = 1; i <= rowCount; ++i) {
        selectRow(i);
        job.Print(rowItems(row(i)));
        // The title row and the empty row 2 stand without a gap; each boat row gets one after it.
        if (i > 2) job.Print({});
        if (i % RowsPerPage == 0) job.NewPage();
    }
    job.NewPage();
    job.EndDoc();
}

} // namespace results
