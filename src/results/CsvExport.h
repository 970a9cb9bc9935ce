#pragma once
// The result list for a spreadsheet: UTF-8 with a byte order mark, ';' between fields, CRLF line ends,
// as a Swedish spreadsheet reads it. A header line, then one line per boat row, cells as shown; with
// several start groups a first column "Start" names the group (or "Totalt") of each row.
#include "ResultExport.h"

namespace results {

QByteArray csvExport(const ResultExport& list);

} // namespace results
