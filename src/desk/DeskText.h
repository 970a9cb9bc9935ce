#pragma once
// Small text helpers of the desk.
#include "ShownTexts.h"

#include <QDir>
#include <QString>
#include <QStringList>

// A file beside the program: App.Path, the separator and the name.
inline QString besideProgram(const QString& appPath, const QString& name) {
    return appPath + QDir::separator() + name;
}

// A fresh flag list with positions 0 to count, all empty.
inline QStringList freshFlags(int count) {
    return QStringList(qMax(0, count) + 1, QString());
}

using race::entryText;
using race::trimBlanks;
