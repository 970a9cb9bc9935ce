#pragma once
// The result list as a PDF: the very print job of "Skriv Ut", drawn into a PDF with real text.
#include "ResultExport.h"

namespace results {

// Throws RuntimeError when the job fails. Needs a QGuiApplication for its fonts.
QByteArray pdfExport(const ResultExport& list);

} // namespace results
