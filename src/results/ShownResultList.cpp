#include "ShownResultList.h"

namespace results {

ResultatRad shownRow(const controls::ListView& lvw, int row) {
    ResultatRad cells;
    for (std::size_t c = 0; c < cells.size(); ++c)
        cells[c] = lvw.Cell(row, static_cast<int>(c));
    return cells;
}

ResultExport shownResultList(const frmResultat& window, timing::DateTime written) {
    ResultExport list;
    list.clubName = window.clubName();
    list.heading = window.heading();
    list.final = window.isFinal();
    list.rows.reserve(std::size_t(window.lvw->RowCount()));
    for (int r = 1; r <= window.lvw->RowCount(); ++r)
        list.rows.push_back(shownRow(*window.lvw, r));
    // The window shows the rows it was given, so their sections hold for what it shows.
    if (window.sections().size() == list.rows.size()) list.sections = window.sections();
    list.written = written;
    list.picture = window.picture();
    return list;
}

} // namespace results
