#include "ResultColumns.h"

namespace results {

namespace {
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignCenter;
const QString NameSeparator = QStringLiteral(" , ");
} // namespace

const std::array<ResultColumn, ColumnCount>& resultColumns() {
    static const std::array<ResultColumn, ColumnCount> columns{{
        {"Namn", "Namn", 2800, Left, 13},
        {"Start", "Start", 1000, Centre, 41},
        {"Mål", "Mål", 1000, Centre, 50},
        {"SeglTid", "Seglad Tid", 1200, Centre, 61},
        {"SRS", "SRS", 800, Centre, 73},
        {"KorrTid", "Korrigerad Tid", 1200, Centre, 83},
        {"Plac.", "Plac.", 800, Centre, 98},
        {"Poäng", "Poäng", 800, Centre, 105},
    }};
    return columns;
}

ResultatRad headerTexts() {
    ResultatRad texts;
    for (std::size_t c = 0; c < ColumnCount; ++c)
        texts[c] = QString::fromUtf8(resultColumns()[c].header);
    return texts;
}

QStringList exportHeader() {
    const ResultatRad headers = headerTexts();
    QStringList cells(headers.begin(), headers.end());
    cells.insert(1, QStringLiteral("SegelId"));
    return cells;
}

// The name cell "Namn , SegelId" is split at its last separator; a name corrected by hand without one
// keeps it whole and leaves the sail id empty.
QStringList exportCells(const ResultatRad& row) {
    QStringList cells(row.begin(), row.end());
    const qsizetype at = row[0].lastIndexOf(NameSeparator);
    cells[0] = at < 0 ? row[0] : row[0].left(at);
    cells.insert(1, at < 0 ? QString() : row[0].mid(at + NameSeparator.size()));
    return cells;
}

} // namespace results
