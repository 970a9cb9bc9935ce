#include "CsvExport.h"

#include "CsvText.h"
#include "ResultColumns.h"

#include <QStringList>

namespace results {

namespace {

constexpr QChar Separator = u';';

QString csvLine(const QStringList& cells) {
    return race_data::csv::line(cells, Separator) + QStringLiteral("\r\n");
}

} // namespace

QByteArray csvExport(const ResultExport& list) {
    QString text = QChar(QChar::ByteOrderMark) + csvLine(exportHeader());
    for (std::size_t r = FirstBoatRow; r < list.rows.size(); ++r)
        text += csvLine(exportCells(list.rows[r]));
    return text.toUtf8();
}

} // namespace results
