#include "IniText.h"

#include <QByteArrayView>

namespace race_data::ini {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView s) {
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// Case folding of Windows-1252 letters, the way the ANSI profile functions compare names.
unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return u + 0x20;
    if (u == 0x8A || u == 0x8C || u == 0x8E) return u + 0x10;
    if (u == 0x9F) return 0xFF;
    return u;
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (folded(a[i]) != folded(b[i])) return false;
    return true;
}

// Lines end at CRLF, a lone CR or a lone LF.
class LineScanner {
public:
    explicit LineScanner(QByteArrayView text) : text_(text) {}
    bool next(QByteArrayView& line) {
        if (pos_ >= text_.size()) return false;
        qsizetype end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n')
            ++end;
        line = text_.sliced(pos_, end - pos_);
        if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') ++end;
        pos_ = end + 1;
        return true;
    }

private:
    QByteArrayView text_;
    qsizetype pos_ = 0;
};

struct Line {
    enum Kind { Other, Section, Key } kind = Other;
    QByteArrayView name;
    QByteArrayView value;
};

Line classify(QByteArrayView raw) {
    const QByteArrayView line = trimmed(raw);
    if (line.startsWith('[')) {
        const qsizetype close = line.lastIndexOf(']');
        if (close > 0) return {Line::Section, trimmed(line.sliced(1, close - 1)), {}};
    }
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) return {};
    return {Line::Key, trimmed(line.first(eq)), trimmed(line.sliced(eq + 1))};
}

QByteArray unquoted(QByteArrayView value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.toByteArray();
}

// A name or value written into the file must not open a new line.
QByteArray oneLine(QByteArray s) {
    s.replace('\r', ' ');
    s.replace('\n', ' ');
    return s;
}

// Builds the edited text line by line. Blank lines inside the target section are held back so that
// keys added at its end go before them.
class Editor {
public:
    Editor(const QByteArray& section, const QList<QPair<QByteArray, QByteArray>>& keyValues)
        : section_(oneLine(section)), pending_(keyValues) {}

    void add(QByteArrayView raw) {
        const Line line = classify(raw);
        if (line.kind == Line::Section) {
            if (inTarget_) endTarget();
            if (!targetSeen_ && sameName(line.name, section_)) inTarget_ = targetSeen_ = true;
        }
        if (inTarget_ && trimmed(raw).isEmpty()) {
            ++heldBlanks_;
            return;
        }
        releaseBlanks();
        if (inTarget_ && line.kind == Line::Key && takePending(line.name)) return;
        put(raw);
    }

    QByteArray finish() {
        if (inTarget_) endTarget();
        if (!targetSeen_ && !pending_.isEmpty()) {
            if (!out_.isEmpty() && !out_.endsWith("\r\n\r\n")) put({});
            put(QByteArray('[' + section_ + ']'));
            writePending();
        }
        return out_;
    }

private:
    bool takePending(QByteArrayView name) {
        for (qsizetype i = 0; i < pending_.size(); ++i) {
            if (!sameName(name, pending_[i].first)) continue;
            emitKey(pending_[i]);
            pending_.removeAt(i);
            return true;
        }
        return false;
    }

    void endTarget() {
        writePending();
        releaseBlanks();
        inTarget_ = false;
    }

    void writePending() {
        for (const auto& kv : pending_)
            emitKey(kv);
        pending_.clear();
    }

    void releaseBlanks() {
        for (; heldBlanks_ > 0; --heldBlanks_)
            put({});
    }

    void emitKey(const QPair<QByteArray, QByteArray>& kv) {
        put(QByteArray(oneLine(kv.first) + '=' + oneLine(kv.second)));
    }

    void put(QByteArrayView line) {
        out_.append(line);
        out_.append("\r\n");
    }

    QByteArray section_;
    QList<QPair<QByteArray, QByteArray>> pending_;
    QByteArray out_;
    bool inTarget_ = false;
    bool targetSeen_ = false;
    int heldBlanks_ = 0;
};

} // namespace

std::optional<QByteArray> findValue(const QByteArray& text, const QByteArray& section,
                                    const QByteArray& key) {
    LineScanner lines(text);
    QByteArrayView raw;
    bool inSection = false;
    while (lines.next(raw)) {
        const Line line = classify(raw);
        if (line.kind == Line::Section) {
            if (inSection) return std::nullopt;
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == Line::Key && sameName(line.name, key)) {
            return unquoted(line.value);
        }
    }
    return std::nullopt;
}

QByteArray withValues(const QByteArray& text, const QByteArray& section,
                      const QList<QPair<QByteArray, QByteArray>>& keyValues) {
    Editor editor(section, keyValues);
    LineScanner lines(text);
    QByteArrayView raw;
    while (lines.next(raw))
        editor.add(raw);
    return editor.finish();
}

} // namespace race_data::ini
