#include "PrintResultWindow.h"

#include "ShownResultList.h"

namespace results {

void printResultWindow(platform::PrintJob& job, frmResultat& window) {
    controls::ListView& lvw = *window.lvw;
    printResultList(
        job, window.picture(), window.clubName(), window.heading(), lvw.RowCount(),
        [&lvw](int r) { return shownRow(lvw, r); }, [&lvw](int r) { lvw.setSelectedRow(r); });
}

} // namespace results
