#pragma once
// Prints what the result window shows, hand corrections included, through the print job of the PDF
// export. Printing leaves the window as it was: the row editor still writes into the row it holds.
#include "PrintResultList.h"
#include "frmResultat.h"

namespace results {

// written: the desk's clock, for the line that says when the list was made.
void printResultWindow(platform::PrintJob& job, const frmResultat& window, timing::DateTime written);

} // namespace results
