#include "CsvExport.h"

#include "CsvText.h"
#include "PrintResultList.h"

#include <QStringList>

namespace results {

namespace {

constexpr QChar Separator = u';';

QString csvLine(const std::array<QString, 7>& cells) {
    return race_data::csv::line(QStringList(cells.begin(), cells.end()), Separator) + QStringLiteral("\r\n");
}

} // namespace

QByteArray csvExport(const ResultExport& list) {
    QString text = QChar(QChar::ByteOrderMark) + csvLine(headerTexts());
    for (std::size_t r = FirstBoatRow; r < list.rows.size(); ++r)
        text += csvLine(list.rows[r]);
    return text.toUtf8();
}

} // namespace results
