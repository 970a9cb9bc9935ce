#pragma once
// The result list as the result window shows it: its rows in window order, hand edits included, with
// the club name, the heading and the picture. Printing and exporting both read the window through here.
#include "ResultExport.h"
#include "frmResultat.h"

namespace results {

ResultatRad shownRow(const controls::ListView& lvw, int row);

// written: the desk's clock at the export.
ResultExport shownResultList(const frmResultat& window, timing::DateTime written);

} // namespace results
