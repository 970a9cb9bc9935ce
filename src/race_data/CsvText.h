#pragma once
// Delimited text as spreadsheets write and read it: a field is quoted, its quotes doubled, wherever it
// holds the separator, a quote or a line break.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace race_data::csv {

// The field as written into a line.
QString field(const QString& text, QChar separator);
// The fields, each written as above, joined by the separator; no line end.
QString line(const QStringList& fields, QChar separator);

struct Record {
    int line = 0; // 1-based number of the line the record starts on
    QStringList fields;
    // A quote opened and never closed: the record is given up and reading goes on with the next line.
    bool unclosedQuote = false;
};

// The records of a text whose lines end in CR, LF or CRLF; a quoted field may span lines. An empty line
// is a record of one empty field.
std::vector<Record> records(QStringView text, QChar separator);

} // namespace race_data::csv
