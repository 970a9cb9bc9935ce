#include "PrintResultList.h"

#include <array>

namespace results {
namespace {

using platform::PrintItem;
using platform::Tab;

constexpr int Centimetres = 7;
const std::array<int, 7> HeaderTabs{13, 41, 51, 61, 75, 84, 103};
// From the sailed time on the row fields stand a little right of their headers.
const std::array<int, 7> RowTabs{13, 41, 51, 63, 76, 87, 105};

std::vector<PrintItem> tabbed(const std::array<int, 7>& tabs, const std::array<QString, 7>& texts) {
    std::vector<PrintItem> items;
    items.reserve(14);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        items.emplace_back(Tab{tabs[i]});
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

std::array<QString, 7> headerTexts() {
    return {QStringLiteral("Namn"),       QStringLiteral("Start"),  QStringLiteral("Mål"),
            QStringLiteral("Seglad Tid"), QStringLiteral("SRS"), QStringLiteral("Korrigerad Tid"),
            QStringLiteral("Plac.")};
}

std::vector<PrintItem> headerItems() {
    return tabbed(HeaderTabs, headerTexts());
}

std::vector<PrintItem> rowItems(const ResultatRad& row) {
    return tabbed(RowTabs, row);
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
