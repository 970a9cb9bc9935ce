#pragma once
// The printed result list as a sequence of printer operations on numbered pages: page 1 opens with the
// heading block (picture, club name, heading, when the list was made); every page carries the column
// headings over their columns, its share of the boat rows and "Sida 2 av 3" at its foot. A start group's
// heading stands in bold on a line of its own, never last on a page. Paper and the PDF export print
// through here alike.
#include "PrinterPort.h"
#include "ResultExport.h"

#include <cstddef>
#include <vector>

namespace results {

// The boat rows one page holds, as indexes into ResultExport::rows: first up to, not including, end.
struct PrintedPage {
    std::size_t first = FirstBoatRow;
    std::size_t end = FirstBoatRow;
    bool operator==(const PrintedPage&) const = default;
};

// At least one page, also for a list without boats. A row whose name runs past its column takes more
// than one line, and the page break never splits a row.
std::vector<PrintedPage> printedPages(const ResultExport& list);

// The items of the column heading line and of one row: a heading stands at its column's own tab.
std::vector<platform::PrintItem> headerItems();
std::vector<platform::PrintItem> rowItems(const ResultatRad& row);
// Row r of the list: a boat's row, or a section's heading alone from the name column on.
std::vector<platform::PrintItem> rowItems(const ResultExport& list, std::size_t r);

// Writes the whole job and ends it with EndDoc. A failing operation throws out of here with nothing
// more sent to the job.
void printResultList(platform::PrintJob& job, const ResultExport& list);

} // namespace results
