// brisrundan-script: runs the race desk from a scenario script without a screen and reports what a
// person would see as JSON lines on standard output.
#include "JsonLinesLog.h"
#include "ScriptRunner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <cstdio>
#include <optional>

namespace {

constexpr int ScriptErrorStatus = 2;

struct Arguments {
    QString appDir;
    QString script; // empty or "-": standard input
};

std::optional<Arguments> parseArguments(const QStringList& args) {
    Arguments a;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--appdir" && i + 1 < args.size())
            a.appDir = args[++i];
        else if (a.script.isEmpty() && (args[i] == u"-" || !args[i].startsWith(u'-')))
            a.script = args[i];
        else
            return std::nullopt;
    }
    if (a.appDir.isEmpty()) return std::nullopt;
    return a;
}

std::optional<QString> readScript(const QString& path) {
    QFile f(path);
    const bool fromStdin = path.isEmpty() || path == u"-";
    if (!(fromStdin ? f.open(stdin, QIODevice::ReadOnly) : f.open(QIODevice::ReadOnly))) return std::nullopt;
    return QString::fromUtf8(f.readAll());
}

int startupError(script::JsonLinesLog& log, const QString& message) {
    log.write(QJsonObject{{QStringLiteral("event"), QStringLiteral("error")},
                          {QStringLiteral("line"), 0},
                          {QStringLiteral("message"), message}});
    return ScriptErrorStatus;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program ends when the desk says so, never because a window was closed.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::optional<Arguments> args = parseArguments(QApplication::arguments());
    if (!args) {
        std::fputs("usage: brisrundan-script --appdir DIR [SCRIPT|-]\n", stderr);
        return ScriptErrorStatus;
    }
    script::JsonLinesLog log;
    const QFileInfo dir(args->appDir);
    if (!dir.isDir())
        return startupError(log, QStringLiteral("no application directory %1").arg(args->appDir));
    const std::optional<QString> text = readScript(args->script);
    if (!text) return startupError(log, QStringLiteral("cannot read the script %1").arg(args->script));

    script::ScriptRunner runner(log, QDir::cleanPath(dir.absoluteFilePath()));
    return runner.run(*text);
}
