#pragma once
// The result list's columns, defined once: the result window, the print job and every export take their
// headings, widths and places from here.
#include <QString>
#include <QStringList>
#include <Qt>
#include <array>

namespace results {

constexpr std::size_t ColumnCount = 8;
// One row of the result list: "Namn , SegelId", start, finish, sailed time, rating, corrected time,
// place and points.
using ResultatRad = std::array<QString, ColumnCount>;
constexpr int CorrectedCell = 5;
constexpr int PlaceCell = 6;
constexpr int PointsCell = 7;

struct ResultColumn {
    const char* windowHeader; // the result window's column header
    const char* header;       // printed and exported
    double width;             // in the window, twips
    Qt::Alignment alignment;
    int tab; // where the printed heading and the column's values start, in characters from 1
};

const std::array<ResultColumn, ColumnCount>& resultColumns();

// The printed headings, in column order.
ResultatRad headerTexts();
// An exported table has name and sail id in columns of their own: "Namn;SegelId;Start;...;Poäng".
QStringList exportHeader();
QStringList exportCells(const ResultatRad& row);

} // namespace results
