#pragma once
// Programs the tests read their output back with (poppler's tools, tidy, Chromium), where installed.
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

inline bool haveTool(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

inline QString runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
