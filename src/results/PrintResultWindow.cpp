#include "PrintResultWindow.h"

namespace results {

void printResultWindow(platform::PrintJob& job, frmResultat& window) {
    controls::ListView& lvw = *window.lvw;
    const auto row = [&lvw](int r) {
        ResultatRad cells;
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = lvw.Cell(r, static_cast<int>(c));
        return cells;
    };
    printResultList(job, window.picture(), window.lblKlubbNamn->caption(), window.txtRubrik->text(),
                    lvw.RowCount(), row, [&lvw](int r) { lvw.setSelectedRow(r); });
}

} // namespace results
