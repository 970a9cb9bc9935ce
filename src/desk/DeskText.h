#pragma once
// Small text helpers of the desk.
#include "RaceFiles.h"
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

// The participant panel's caption once a race is listed.
inline QString participantListCaption(int count) {
    return QStringLiteral("  DeltagarLista ") + QString::number(count) + QStringLiteral("  båtar");
}

// Why a race cannot be opened here: another desk has it open. Names the race and its file.
inline QString openElsewhereText(const QString& dataFil) {
    return QStringLiteral("Tävlingen %1 är redan öppen i en annan Brisrundan:\r\n%2\r\n\r\n"
                          "En tävling kan bara vara öppen i ett fönster åt gången.")
        .arg(race_data::raceName(dataFil), dataFil);
}

using race::entryText;
using race::trimBlanks;
