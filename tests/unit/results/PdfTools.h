#pragma once
// Printed PDFs read back with poppler, and a result list to print.
#include "ExternalTools.h"
#include "ResultExport.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

inline int pdfPageCount(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(runTool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The non-blank lines of one page (1-based), in reading order.
inline QStringList pdfPageLines(const QString& pdf, int page) {
    const QString n = QString::number(page);
    QStringList lines =
        runTool("pdftotext", {"-layout", "-f", n, "-l", n, pdf, "-"}).split('\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
    return lines;
}

inline results::ResultatRad sampleRow(int r) {
    if (r == 1) return {"Tävling 2006-05-20  mellan", "maj-20", "maj-21"};
    if (r == 2) return {};
    const QString place = QString::number(r - 2);
    const QString name = QStringLiteral("Båt %1").arg(r, 3, 10, QLatin1Char('0'));
    return {name, "11:00:00", "13:10:00", "2:10:00", "1,050", "2:16:30", place, place};
}

inline results::ResultExport sampleList(int boats) {
    results::ResultExport list;
    list.clubName = "Segelsällskapet Brisen";
    list.heading = "Brisrundan 2006";
    for (int r = 1; r <= boats + 2; ++r)
        list.rows.push_back(sampleRow(r));
    list.written = 38857.75;
    return list;
}
