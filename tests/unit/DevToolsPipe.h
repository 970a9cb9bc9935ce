#pragma once
// Headless Chromium over its DevTools pipe, to read a running page's live DOM: commands go to the
// browser's descriptor 3, answers come on 4, each a JSON text ended by a NUL byte.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Debian's browser; empty when it is not installed.
inline QString chromium() {
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

class DevToolsPipe {
public:
    explicit DevToolsPipe(const QStringList& extraFlags) {
        int commands[2], answers[2];
        if (::pipe2(commands, O_CLOEXEC) != 0 || ::pipe2(answers, O_CLOEXEC) != 0) return;
        // A browser that dies must fail the test, not end it with SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        const int in = commands[0], out = answers[1];
        browser_.setChildProcessModifier([in, out] {
            // Moved above 4 first, so that neither end is overwritten or left close-on-exec by dup2.
            ::dup2(::fcntl(in, F_DUPFD, 10), 3);
            ::dup2(::fcntl(out, F_DUPFD, 10), 4);
        });
        browser_.setStandardOutputFile(QProcess::nullDevice());
        browser_.setStandardErrorFile(QProcess::nullDevice());
        // No sandbox: CI runs the tests as root in a container.
        const QStringList flags = QStringLiteral("--headless --no-sandbox --disable-gpu --no-first-run "
                                                 "--disable-background-networking --disable-component-update "
                                                 "--disable-sync --remote-debugging-pipe")
                                      .split(' ');
        browser_.start(chromium(), flags + extraFlags + QStringList{"--user-data-dir=" + profile_.path()});
        ::close(in);
        ::close(out);
        toBrowser_ = commands[1];
        fromBrowser_ = answers[0];
    }
    ~DevToolsPipe() {
        ::close(toBrowser_);
        ::close(fromBrowser_);
        browser_.terminate(); // not killed: the browser ends its own child processes then
        if (!browser_.waitForFinished(5000)) browser_.kill();
        browser_.waitForFinished();
        // Its helper processes may still be writing into the profile for a moment.
        for (int tries = 0; !profile_.remove() && tries < 50; ++tries)
            QThread::msleep(100);
    }

    // Opens the address in a new tab; its session, or empty when the browser does not answer.
    QString open(const QString& url) {
        const QJsonValue target = call("Target.createTarget", {{"url", url}})["targetId"];
        return call("Target.attachToTarget", {{"targetId", target}, {"flatten", true}})["sessionId"]
            .toString();
    }
    // The value of a JavaScript expression in that tab; undefined when it cannot be evaluated.
    QJsonValue evaluate(const QString& session, const QString& expression) {
        return call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}},
                    session)["result"]
            .toObject()["value"];
    }

    // The command's result; empty when the browser refuses it or does not answer within 10 s.
    QJsonObject call(const QString& method, const QJsonObject& params, const QString& session = {}) {
        QJsonObject command{{"id", ++lastId_}, {"method", method}, {"params", params}};
        if (!session.isEmpty()) command.insert("sessionId", session);
        const QByteArray message = QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0';
        if (::write(toBrowser_, message.constData(), size_t(message.size())) != message.size()) return {};
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            // Events of the page come in between; only the answer to this command counts.
            for (qsizetype end = received_.indexOf('\0'); end >= 0; end = received_.indexOf('\0')) {
                const QJsonObject answer = QJsonDocument::fromJson(received_.left(end)).object();
                received_.remove(0, end + 1);
                if (answer["id"].toInt() == lastId_) return answer["result"].toObject();
            }
            pollfd ready{fromBrowser_, POLLIN, 0};
            char chunk[65536];
            if (waited.elapsed() >= 10000 || ::poll(&ready, 1, int(10000 - waited.elapsed())) <= 0) return {};
            const ssize_t n = ::read(fromBrowser_, chunk, sizeof chunk);
            if (n <= 0) return {};
            received_.append(chunk, n);
        }
    }

private:
    QTemporaryDir profile_;
    QProcess browser_;
    int toBrowser_ = -1, fromBrowser_ = -1, lastId_ = 0;
    QByteArray received_;
};
