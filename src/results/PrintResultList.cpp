#include "PrintResultList.h"

#include "TextRendition.h"

namespace results {
namespace {

using platform::PrintItem;
using platform::PrintJob;
using platform::Tab;

// Positions in hundredths of a centimetre on the printable area, so that each one reaches the printer
// as an exact decimal of centimetres. The table ends well above the foot of an A4 or a Letter page, so
// that the page number fits on either.
constexpr int Centimetres = 7;
constexpr int PictureX = 200, PictureY = 50, PictureSize = 200;
constexpr int TitleX = 460; // beside the picture
constexpr int ClubY = 60, HeadingY = 160, MadeY = 250;
constexpr int FirstPageHeaderY = 360, LaterPageHeaderY = 100;
constexpr int HeaderToFirstRow = 70;
constexpr int LineHeight = 45; // one line of 10 points
constexpr int RowGap = 15;
constexpr int TableBottom = 2520;
constexpr int FooterX = 1650, FooterY = 2580;

constexpr double ClubPoints = 18, HeadingPoints = 14, TablePoints = 10, FooterPoints = 9;

double cm(int hundredths) {
    return hundredths / 100.0;
}

int headerY(std::size_t page) {
    return page == 0 ? FirstPageHeaderY : LaterPageHeaderY;
}

int firstRowY(std::size_t page) {
    return headerY(page) + HeaderToFirstRow;
}

// A row takes as many lines as the text rendition gives it: a long name pushes the rest of the row
// onto a line of its own.
int rowHeight(const ResultExport& list, std::size_t r) {
    return static_cast<int>(renderPrint(rowItems(list, r)).size()) * LineHeight;
}

int nextRowY(int y, const ResultExport& list, std::size_t r) {
    return y + rowHeight(list, r) + RowGap;
}

void printAt(PrintJob& job, int x, int y, double points, const QString& text) {
    if (text.isEmpty()) return;
    job.FontSize(points);
    job.CurrentX(cm(x));
    job.CurrentY(cm(y));
    job.Print({text});
}

void printHeadingBlock(PrintJob& job, const ResultExport& list) {
    job.PaintPicture(list.picture, cm(PictureX), cm(PictureY), cm(PictureSize), cm(PictureSize));
    job.FontBold(true);
    printAt(job, TitleX, ClubY, ClubPoints, list.clubName);
    printAt(job, TitleX, HeadingY, HeadingPoints, list.heading);
    job.FontBold(false);
    printAt(job, TitleX, MadeY, TablePoints, madeLine(list));
}

// In the rows' own font: tab columns are counted in the font's average character width, so bold
// headings would drift right of their values.
void printColumnHeadings(PrintJob& job, int y) {
    job.FontSize(TablePoints);
    job.FontUnderline(true);
    job.CurrentY(cm(y));
    job.Print(headerItems());
    job.FontUnderline(false);
}

void printPage(PrintJob& job, const ResultExport& list, const PrintedPage& page, std::size_t number,
               std::size_t count) {
    if (number == 0) printHeadingBlock(job, list);
    printColumnHeadings(job, headerY(number));
    int y = firstRowY(number);
    for (std::size_t r = page.first; r < page.end; ++r) {
        const bool heading = isSectionHeading(list, r);
        if (heading) job.FontBold(true);
        job.CurrentY(cm(y));
        job.Print(rowItems(list, r));
        if (heading) job.FontBold(false);
        y = nextRowY(y, list, r);
    }
    printAt(job, FooterX, FooterY, FooterPoints, QStringLiteral("Sida %1 av %2").arg(number + 1).arg(count));
}

std::vector<PrintItem> tabbed(const ResultatRad& texts) {
    std::vector<PrintItem> items;
    items.reserve(2 * ColumnCount);
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        items.emplace_back(Tab{resultColumns()[i].tab});
        items.emplace_back(texts[i]);
    }
    return items;
}

} // namespace

std::vector<platform::PrintItem> headerItems() {
    return tabbed(headerTexts());
}

std::vector<platform::PrintItem> rowItems(const ResultatRad& row) {
    return tabbed(row);
}

std::vector<platform::PrintItem> rowItems(const ResultExport& list, std::size_t r) {
    if (isSectionHeading(list, r)) return {Tab{resultColumns()[0].tab}, list.rows[r][0]};
    return rowItems(list.rows[r]);
}

std::vector<PrintedPage> printedPages(const ResultExport& list) {
    std::vector<PrintedPage> pages(1);
    int y = firstRowY(0);
    for (std::size_t r = FirstBoatRow; r < list.rows.size(); ++r) {
        const int height = rowHeight(list, r);
        // A section's heading needs room for its first boat as well.
        const bool withNext = isSectionHeading(list, r) && r + 1 < list.rows.size();
        const int needed = height + (withNext ? RowGap + rowHeight(list, r + 1) : 0);
        if (y + needed > TableBottom && pages.back().end > pages.back().first) {
            pages.push_back({r, r});
            y = firstRowY(pages.size() - 1);
        }
        pages.back().end = r + 1;
        y += height + RowGap;
    }
    return pages;
}

void printResultList(PrintJob& job, const ResultExport& list) {
    const std::vector<PrintedPage> pages = printedPages(list);
    job.ScaleMode(Centimetres);
    job.FontName(QStringLiteral("MS Sans Serif"));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) job.NewPage();
        printPage(job, list, pages[p], p, pages.size());
    }
    job.EndDoc();
}

} // namespace results
