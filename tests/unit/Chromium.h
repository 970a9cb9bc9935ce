#pragma once
// Debian's headless Chromium for the tests that look at a page in a real browser.
#include <QStandardPaths>
#include <QStringList>

// The browser's path; empty when it is not installed.
inline QString chromium() {
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

// Without a sandbox, since CI runs the tests as root in a container, and without reaching the internet.
inline const QStringList ChromiumFlags{"--headless",
                                       "--no-sandbox",
                                       "--disable-gpu",
                                       "--no-first-run",
                                       "--disable-background-networking",
                                       "--disable-component-update",
                                       "--disable-sync"};
