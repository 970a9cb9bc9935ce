#pragma once
// Small text helpers of the desk.
#include <QDir>
#include <QString>
#include <QStringList>

// Removes leading and trailing blanks only, as the desk trims record fields and comments.
inline QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
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
