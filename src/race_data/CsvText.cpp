#include "CsvText.h"

namespace race_data::csv {

namespace {

constexpr QChar Quote = u'"';

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Reads records one by one, keeping the position and the line number.
class RecordReader {
public:
    RecordReader(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    Record next() {
        const qsizetype start = pos_;
        Record record;
        record.line = line_;
        if (readFields(record.fields)) return record;
        // Nothing closed the quote: give the record up and read on after its first line.
        pos_ = start;
        line_ = record.line;
        while (!atEnd() && !isLineEnd(text_[pos_]))
            ++pos_;
        skipLineEnd();
        return Record{record.line, {}, true};
    }

private:
    // False when the text ends inside a quoted field.
    bool readFields(QStringList& fields) {
        QString field;
        bool quoted = false;
        bool wasQuoted = false;
        while (!atEnd()) {
            const QChar c = text_[pos_];
            if (quoted) {
                readQuoted(field, quoted);
            } else if (c == separator_) {
                fields << field;
                field.clear();
                wasQuoted = false;
                ++pos_;
            } else if (isLineEnd(c)) {
                skipLineEnd();
                fields << field;
                return true;
            } else if (c == Quote && !wasQuoted && field.trimmed().isEmpty()) {
                // A quote opens a field only at its start; blanks before it are dropped.
                field.clear();
                quoted = wasQuoted = true;
                ++pos_;
            } else {
                field += c;
                ++pos_;
            }
        }
        fields << field;
        return !quoted;
    }

    void readQuoted(QString& field, bool& quoted) {
        const QChar c = text_[pos_++];
        if (c == Quote) {
            if (!atEnd() && text_[pos_] == Quote) {
                field += Quote;
                ++pos_;
            } else {
                quoted = false;
            }
            return;
        }
        if (c == u'\n' || (c == u'\r' && (atEnd() || text_[pos_] != u'\n'))) ++line_;
        field += c;
    }

    void skipLineEnd() {
        if (atEnd()) return;
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
        ++pos_;
        ++line_;
    }

    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

QString field(const QString& text, QChar separator) {
    const bool needsQuotes =
        text.contains(separator) || text.contains(Quote) || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes) return text;
    QString quoted = text;
    quoted.replace(Quote, QStringLiteral("\"\""));
    return Quote + quoted + Quote;
}

QString line(const QStringList& fields, QChar separator) {
    QString out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        out += field(fields[i], separator);
    }
    return out;
}

std::vector<Record> records(QStringView text, QChar separator) {
    std::vector<Record> out;
    RecordReader reader(text, separator);
    while (!reader.atEnd())
        out.push_back(reader.next());
    return out;
}

} // namespace race_data::csv
