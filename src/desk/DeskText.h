#pragma once
// Small text helpers of the desk.
#include <QDir>
#include <QString>
#include <QStringList>

// Removes leading and trailing blanks only, as the desk trims record fields and comments. NUL bytes
// count as blanks: a record read past the end of a damaged file is all zero bytes.
inline QString trimBlanks(const QString& text) {
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c.isNull(); };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

// A file beside the program: App.Path, the separator and the name.
inline QString besideProgram(const QString& appPath, const QString& name) {
    return appPath + QDir::separator() + name;
}

// The participant entry text: name, " , ", sail id.
inline QString entryText(const QString& namn, const QString& segelId) {
    return namn + QStringLiteral(" , ") + segelId;
}

// A fresh flag list with positions 0 to count, all empty.
inline QStringList freshFlags(int count) {
    return QStringList(qMax(0, count) + 1, QString());
}
