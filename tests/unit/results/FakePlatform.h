#pragma once
// A platform for the result window tests: a set screen size, message boxes that are recorded and
// answered OK, and nothing else of use.
#include "Platform.h"
#include "RuntimeError.h"

#include <vector>

class FakeDialogs : public platform::Dialogs {
public:
    std::vector<platform::MessageBoxRequest> boxes;
    platform::Answer messageBox(const platform::MessageBoxRequest& request) override {
        boxes.push_back(request);
        return platform::Answer::OK;
    }
    std::optional<QString> fileDialog(const platform::FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
};

class FakeScreen : public platform::Screen {
public:
    int width = 12000;
    int height = platform::UnlimitedHeightTwips;
    int widthTwips() override { return width; }
    int availableHeightTwips() override { return height; }
};

class NoPrinter : public platform::PrinterPort {
public:
    std::unique_ptr<platform::PrintJob> openJob() override { throw RuntimeError(482); }
};

struct FakePlatform {
    struct FixedClock : platform::Clock {
        QDateTime now() override { return QDateTime(QDate(2006, 5, 20), QTime(11, 0)); }
    };
    struct Silent : platform::Sound {
        void play(const QString&) override {}
    };
    struct App : platform::AppInfo {
        QString path() override { return QStringLiteral("/nowhere"); }
    };

    FakeDialogs dialogs;
    FixedClock clock;
    Silent sound;
    NoPrinter printer;
    FakeScreen screen;
    App app;
    platform::Platform platform() { return {dialogs, clock, sound, printer, screen, app}; }
};
