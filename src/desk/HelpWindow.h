#pragma once
// The help page in a window of its own, opened during a race beside the start-and-finish panel. It never
// takes the keyboard: a sail number typed while it is open still reaches the sail-number box.
#include <QWidget>
#include <functional>

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* desk);

    // Runs when a person closes the window by its title bar.
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent* event) override;
};
