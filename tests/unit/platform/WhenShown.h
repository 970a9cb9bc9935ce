#pragma once
// Acts on a modal dialog of type W as soon as it is on show; the dialog's own event loop runs the timer.
#include <QApplication>
#include <QTimer>
#include <functional>

template <class W> void whenShown(std::function<void(W*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* widget = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(widget);
    });
    timer->start(5);
}
