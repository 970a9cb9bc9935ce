#pragma once
// The result list as one self-contained web page for the club's site, read on phones first: at 390 px
// place, boat (name over sail id), corrected time and points fit across; the other columns join on
// wider screens and on paper (A4). Light and dark colours follow the reader's setting. CSS alone, no
// script, nothing fetched. UTF-8 HTML5, every text escaped; void elements are closed ("<meta ... />")
// so the page also reads as XML. With several start groups each group has its own heading and table.
#include "ResultExport.h"

namespace results {

QByteArray htmlExport(const ResultExport& list);

} // namespace results
