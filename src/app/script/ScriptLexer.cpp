#include "ScriptLexer.h"

namespace script {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r';
}

QChar unescape(QChar c) {
    switch (c.unicode()) {
    case u'"':
        return u'"';
    case u'\\':
        return u'\\';
    case u'r':
        return u'\r';
    case u'n':
        return u'\n';
    case u't':
        return u'\t';
    default:
        throw LexError("unknown escape \\" + QString(c).toStdString());
    }
}

// Reads a quoted word starting at the opening quote; pos ends just after the closing quote.
QString readQuoted(const QString& line, qsizetype& pos) {
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\') {
            if (++pos == line.size()) break;
            text += unescape(line[pos]);
        } else {
            text += c;
        }
    }
    throw LexError("unterminated quoted argument");
}

QString readPlain(const QString& line, qsizetype& pos) {
    const qsizetype start = pos;
    while (pos < line.size() && !isBlank(line[pos])) {
        if (line[pos] == u'"') throw LexError("a quote inside an unquoted argument");
        ++pos;
    }
    return line.mid(start, pos - start);
}

} // namespace

std::vector<Word> splitLine(const QString& line) {
    std::vector<Word> words;
    qsizetype pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos == line.size()) break;
        if (words.empty() && line[pos] == u'#') break;
        if (line[pos] == u'"') {
            words.push_back({readQuoted(line, pos), true});
            if (pos < line.size() && !isBlank(line[pos])) throw LexError("text glued to a quoted argument");
        } else {
            words.push_back({readPlain(line, pos), false});
        }
    }
    return words;
}

} // namespace script
