#include "DevToolsPipe.h"

#include "Chromium.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

DevToolsPipe::DevToolsPipe(const QStringList& extraFlags) {
    int commands[2];
    int answers[2];
    if (::pipe2(commands, O_CLOEXEC) != 0) return;
    if (::pipe2(answers, O_CLOEXEC) != 0) {
        ::close(commands[0]);
        ::close(commands[1]);
        return;
    }
    // A browser that dies must fail the test, not end it with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const int in = commands[0];
    const int out = answers[1];
    browser_.setChildProcessModifier([in, out] {
        // Moved above 4 first, so that neither end is overwritten or left close-on-exec by dup2.
        const int highIn = ::fcntl(in, F_DUPFD, 10);
        const int highOut = ::fcntl(out, F_DUPFD, 10);
        ::dup2(highIn, 3);
        ::dup2(highOut, 4);
    });
    browser_.setStandardOutputFile(QProcess::nullDevice());
    browser_.setStandardErrorFile(QProcess::nullDevice());
    browser_.start(chromium(),
                   ChromiumFlags + extraFlags +
                       QStringList{"--remote-debugging-pipe", "--user-data-dir=" + profile_.path()});
    ::close(in);
    ::close(out);
    toBrowser_ = commands[1];
    fromBrowser_ = answers[0];
}

DevToolsPipe::~DevToolsPipe() {
    if (toBrowser_ >= 0) ::close(toBrowser_);
    if (fromBrowser_ >= 0) ::close(fromBrowser_);
    browser_.terminate();
    if (!browser_.waitForFinished(5000)) {
        browser_.kill();
        browser_.waitForFinished();
    }
}

QString DevToolsPipe::open(const QString& url) {
    const QString target = call(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), url}})
                               .value(QStringLiteral("targetId"))
                               .toString();
    if (target.isEmpty()) return {};
    return call(QStringLiteral("Target.attachToTarget"),
                {{QStringLiteral("targetId"), target}, {QStringLiteral("flatten"), true}})
        .value(QStringLiteral("sessionId"))
        .toString();
}

QJsonValue DevToolsPipe::evaluate(const QString& session, const QString& expression) {
    const QJsonObject result =
        call(QStringLiteral("Runtime.evaluate"),
             {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}}, session);
    return result.value(QStringLiteral("result")).toObject().value(QStringLiteral("value"));
}

QJsonObject DevToolsPipe::call(const QString& method, const QJsonObject& params, const QString& session) {
    QJsonObject command{{QStringLiteral("id"), ++lastId_},
                        {QStringLiteral("method"), method},
                        {QStringLiteral("params"), params}};
    if (!session.isEmpty()) command.insert(QStringLiteral("sessionId"), session);
    if (!send(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0')) return {};
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // Events of the page come in between; only the answer to this command counts.
        for (qsizetype end = received_.indexOf('\0'); end >= 0; end = received_.indexOf('\0')) {
            const QJsonObject message = QJsonDocument::fromJson(received_.left(end)).object();
            received_.remove(0, end + 1);
            if (message.value(QStringLiteral("id")).toInt() == lastId_)
                return message.value(QStringLiteral("result")).toObject();
        }
        if (waited.elapsed() >= 10000 || !receive(int(10000 - waited.elapsed()))) return {};
    }
}

bool DevToolsPipe::send(const QByteArray& message) {
    for (qsizetype sent = 0; sent < message.size();) {
        const ssize_t n = ::write(toBrowser_, message.constData() + sent, size_t(message.size() - sent));
        if (n <= 0) return false;
        sent += n;
    }
    return true;
}

bool DevToolsPipe::receive(int timeoutMs) {
    pollfd ready{fromBrowser_, POLLIN, 0};
    if (::poll(&ready, 1, timeoutMs) <= 0) return false;
    char chunk[65536];
    const ssize_t n = ::read(fromBrowser_, chunk, sizeof chunk);
    if (n <= 0) return false;
    received_.append(chunk, n);
    return true;
}
