#include "ScriptRunner.h"

#include "Dump.h"
#include "PersonActions.h"
#include "PlatformCommands.h"
#include "ScriptError.h"
#include "frmMain.h"

#include <QEventLoop>
#include <QJsonObject>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <map>

namespace script {
namespace {

void load(DeskSession& session, const Command& command) {
    command.expectArgs(0, "load");
    session.load();
}

void activate(DeskSession& session, const Command& command) {
    command.expectArgs(0, "activate");
    session.loadedDesk().Form_Activate();
}

void dump(DeskSession& session, const Command& command) {
    command.expectArgs(0, "dump");
    session.log().write(dumpEvent(session));
}

// Real time passes on the event loop while the scripted clock stands still: a server the desk runs
// answers clients outside the runner, and a second desk can start while this one holds its race open.
void serve(DeskSession&, const Command& command) {
    command.expectArgs(1, "serve SECONDS");
    constexpr long long Day = 24 * 3600;
    const std::chrono::seconds seconds(command.integer(0, 0, Day));
    QEventLoop loop;
    QTimer::singleShot(seconds, &loop, &QEventLoop::quit);
    loop.exec();
}

const std::map<QString, CommandHandler>& commandTable() {
    static const std::map<QString, CommandHandler> table{
        {QStringLiteral("screen"), screen},     {QStringLiteral("clock"), clock},
        {QStringLiteral("tick"), tick},         {QStringLiteral("load"), load},
        {QStringLiteral("activate"), activate}, {QStringLiteral("click"), click},
        {QStringLiteral("select"), select},     {QStringLiteral("dblclick"), dblclick},
        {QStringLiteral("focus"), focus},       {QStringLiteral("type"), type},
        {QStringLiteral("key"), key},           {QStringLiteral("set"), set},
        {QStringLiteral("answer"), answer},     {QStringLiteral("file"), file},
        {QStringLiteral("printer"), printer},   {QStringLiteral("close"), close},
        {QStringLiteral("dump"), dump},         {QStringLiteral("serve"), serve},
    };
    return table;
}

} // namespace

ScriptRunner::ScriptRunner(platform::EventLog& log, const QString& appDir)
    : log_(log), session_(log, appDir) {}

void ScriptRunner::runLine(const QString& line) {
    std::vector<Word> words = splitLine(line);
    if (words.empty()) return;
    if (words.front().quoted) throw ScriptError(QStringLiteral("a command word cannot be quoted"));
    const auto it = commandTable().find(words.front().text);
    if (it == commandTable().end())
        throw ScriptError(QStringLiteral("unknown command %1").arg(words.front().text));
    Command command{words.front().text,
                    {std::make_move_iterator(words.begin() + 1), std::make_move_iterator(words.end())}};
    it->second(session_, command);
}

int ScriptRunner::run(const QString& script) {
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString message;
        try {
            runLine(lines[i]);
            session_.noteEnd();
            continue;
        } catch (const ScriptError& e) {
            message = QString::fromStdString(e.what());
        } catch (const LexError& e) {
            message = QString::fromStdString(e.what());
        } catch (const std::exception& e) {
            // Only a fault of the desk gets here: its handlers trap their own failures.
            message = QStringLiteral("the desk failed: %1").arg(QString::fromStdString(e.what()));
        }
        log_.write(QJsonObject{{QStringLiteral("event"), QStringLiteral("error")},
                               {QStringLiteral("line"), static_cast<int>(i + 1)},
                               {QStringLiteral("message"), message}});
        return 2;
    }
    return 0;
}

} // namespace script
