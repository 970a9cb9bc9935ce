#pragma once
// The printed result list as a sequence of printer operations: the title block (picture, club name,
// heading), the underlined column header and one line per row, with a page break after every 60th row.
#include "PrinterPort.h"
#include "ResultList.h"

#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace results {

// Row accessor and row selection, both with rows counted from 1.
using RowAccessor = std::function<ResultatRad(int row)>;
using RowSelector = std::function<void(int row)>;

constexpr int RowsPerPage = 60;

// The items of the column header line and of one table line.
std::vector<platform::PrintItem> headerItems();
std::vector<platform::PrintItem> rowItems(const ResultatRad& row);

// Writes the whole job, ending with NewPage and EndDoc. Each row is selected before it is read. A
// failing operation throws out of here with nothing more sent to the job.
void printResultList(platform::PrintJob& job, const QImage& picture, const QString& clubName,
                     const QString& heading, int rowCount, const RowAccessor& row,
                     const RowSelector& selectRow);

} // namespace results
