#include "PlatformCommands.h"

#include "frmMain.h"

#include "DeskSession.h"
#include "ScriptError.h"

#include <QDateTime>
#include <climits>

namespace script {
namespace {

constexpr long long SecondsOf100Years = 100LL * 366 * 24 * 3600;

QDateTime localTime(const QString& date, const QString& time) {
    const QDate d = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    const QTime t = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
    const QDateTime dt(d, t);
    if (!d.isValid() || !t.isValid() || !dt.isValid())
        throw ScriptError(QStringLiteral("bad local time %1 %2").arg(date, time));
    return dt;
}

platform::Answer parseAnswer(const QString& word) {
    if (word == u"OK") return platform::Answer::OK;
    if (word == u"Cancel") return platform::Answer::Cancel;
    if (word == u"Yes") return platform::Answer::Yes;
    if (word == u"No") return platform::Answer::No;
    throw ScriptError(QStringLiteral("bad answer %1 (OK, Cancel, Yes or No)").arg(word));
}

} // namespace

// The available height is optional: without it the screen never limits the scaling.
void screen(DeskSession& session, const Command& command) {
    if (command.args.empty() || command.args.size() > 2)
        throw ScriptError(QStringLiteral("usage: screen TWIPS [HEIGHT_TWIPS]"));
    const int width = static_cast<int>(command.integer(0, 1, INT_MAX));
    const int height = command.args.size() == 2 ? static_cast<int>(command.integer(1, 1, INT_MAX))
                                                : platform::UnlimitedHeightTwips;
    session.scripted().screen.set(width, height);
}

void clock(DeskSession& session, const Command& command) {
    command.expectArgs(2, "clock YYYY-MM-DD HH:MM:SS");
    session.scripted().clock.set(localTime(command.text(0), command.text(1)));
}

void tick(DeskSession& session, const Command& command) {
    command.expectArgs(1, "tick SECONDS");
    session.scripted().clock.tick(command.integer(0, -SecondsOf100Years, SecondsOf100Years));
    // The desk's clock shows the new time as its display timer would have.
    if (frmMain* desk = session.desk(); desk && desk->isLoaded()) desk->showRaceClock();
}

void answer(DeskSession& session, const Command& command) {
    if (command.args.empty()) throw ScriptError(QStringLiteral("usage: answer OK|Cancel|Yes|No..."));
    std::vector<platform::Answer> answers;
    for (const Word& w : command.args)
        answers.push_back(parseAnswer(w.text));
    for (const platform::Answer a : answers)
        session.scripted().dialogs.queueAnswer(a);
}

void file(DeskSession& session, const Command& command) {
    command.expectArgs(1, "file \"PATH\" | file cancel");
    const Word& w = command.args[0];
    if (!w.quoted && w.text == u"cancel")
        session.scripted().dialogs.queueFile(std::nullopt);
    else if (w.text.isEmpty())
        throw ScriptError(QStringLiteral("empty file name"));
    else
        session.scripted().dialogs.queueFile(w.text);
}

void printer(DeskSession& session, const Command& command) {
    auto& port = session.scripted().printer;
    const QString mode = command.args.empty() ? QString() : command.text(0);
    if (mode == u"log" && command.args.size() == 1) {
        port.setLog();
    } else if (mode == u"none" && command.args.size() == 1) {
        port.setNone();
    } else if (mode == u"fail" && command.args.size() == 2) {
        port.setFailAt(static_cast<int>(command.integer(1, 1, INT_MAX)));
    } else if (mode == u"pdf" && command.args.size() == 2) {
        port.setPdf(command.text(1));
    } else {
        throw ScriptError(QStringLiteral("usage: printer log | none | fail N | pdf \"PATH\""));
    }
}

} // namespace script
