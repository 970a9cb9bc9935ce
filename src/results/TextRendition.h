#pragma once
// The printed table as plain text, for checking the layout without a printer: each field starts at its
// 1-based tab column, reached by blanks; a field whose column is already passed starts on a new line.
#include "PrintResultList.h"

#include <QStringList>

namespace results {

// The lines one Print call puts out; no items gives one empty line.
QStringList renderPrint(const std::vector<platform::PrintItem>& items);

} // namespace results
