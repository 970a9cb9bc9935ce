#pragma once
// Headless Chromium driven over its DevTools pipe, so that a test reads a page's live DOM while the
// page goes on running (--dump-dom reads it only once). The browser takes commands on its descriptor 3
// and answers on 4, each message a JSON text ended by a NUL byte.
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

class DevToolsPipe {
public:
    explicit DevToolsPipe(const QStringList& extraFlags = {});
    ~DevToolsPipe();
    DevToolsPipe(const DevToolsPipe&) = delete;
    DevToolsPipe& operator=(const DevToolsPipe&) = delete;

    // Opens the address in a new tab; its session, or empty when the browser does not answer.
    QString open(const QString& url);
    // The value of a JavaScript expression in that tab; undefined when it cannot be evaluated.
    QJsonValue evaluate(const QString& session, const QString& expression);

private:
    // The command's result; empty when the browser refuses it or does not answer within 10 s.
    QJsonObject call(const QString& method, const QJsonObject& params, const QString& session = {});
    bool send(const QByteArray& message);
    bool receive(int timeoutMs);

    QTemporaryDir profile_;
    QProcess browser_;
    int toBrowser_ = -1;
    int fromBrowser_ = -1;
    int lastId_ = 0;
    QByteArray received_;
};
