#pragma once
// Prints what the result window shows: its picture, club name, heading and the rows of lvw as they
// stand, edits included. Afterwards the last row is the selected row.
#include "PrintResultList.h"
#include "frmResultat.h"

namespace results {

void printResultWindow(platform::PrintJob& job, frmResultat& window);

} // namespace results
