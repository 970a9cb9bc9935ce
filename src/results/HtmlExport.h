#pragma once
// The result list as one self-contained web page for the club's site: UTF-8 HTML5 with its stylesheet
// embedded, every text escaped. Void elements are closed ("<meta ... />") so the page also reads as XML.
#include "ResultExport.h"

namespace results {

QByteArray htmlExport(const ResultExport& list);

} // namespace results
