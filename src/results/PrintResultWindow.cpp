#include "PrintResultWindow.h"

#include "ShownResultList.h"

namespace results {

void printResultWindow(platform::PrintJob& job, const frmResultat& window, timing::DateTime written) {
    printResultList(job, shownResultList(window, written));
}

} // namespace results
