#pragma once
// The platform as a script or a test drives it: answers are queued, the clock and screen are set,
// and every message box, file dialog, beep, sound and printer operation is written to an EventLog.
#include "EventLog.h"
#include "Platform.h"
#include "ScreenFit.h"

#include <QDateTime>
#include <QString>
#include <deque>
#include <optional>

namespace platform {

class ScriptedDialogs : public Dialogs {
public:
    explicit ScriptedDialogs(EventLog& log) : log_(log) {}
    Answer messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    void beep() override;

    void queueAnswer(Answer a) { answers_.push_back(a); }
    // No value: the dialog is cancelled.
    void queueFile(std::optional<QString> path) { files_.push_back(std::move(path)); }

private:
    EventLog& log_;
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> files_;
};

class ScriptedClock : public Clock {
public:
    QDateTime now() override { return now_; }
    void set(const QDateTime& t) { now_ = t; }
    void tick(qint64 seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_{QDate(2003, 7, 5), QTime(10, 0, 0)};
};

class ScriptedSound : public Sound {
public:
    explicit ScriptedSound(EventLog& log) : log_(log) {}
    void play(const QString& path) override;

private:
    EventLog& log_;
};

class ScriptedScreen : public Screen {
public:
    int widthTwips() override { return width_; }
    int availableHeightTwips() override { return height_; }
    void set(int twips, int heightTwips = UnlimitedHeightTwips) {
        width_ = twips;
        height_ = heightTwips;
    }

private:
    int width_ = DesignWidthTwips;
    int height_ = UnlimitedHeightTwips;
};

class ScriptedAppInfo : public AppInfo {
public:
    explicit ScriptedAppInfo(QString path) : path_(std::move(path)) {}
    QString path() override { return path_; }

private:
    QString path_;
};

// The printer modes of the runner: log every operation; no printer; the n-th operation of each job
// fails; or log and also draw into a PDF file. The print dialog is accepted at once with the scripted
// printer: a script has no command to answer it.
class ScriptedPrinterPort : public PrinterPort {
public:
    explicit ScriptedPrinterPort(EventLog& log) : log_(log) {}
    std::unique_ptr<PrintJob> openJob() override;
    std::unique_ptr<PrintJob> chooseJob() override { return openJob(); }

    void setLog() { mode_ = Mode::Log; }
    void setNone() { mode_ = Mode::None; }
    void setFailAt(int n) {
        mode_ = Mode::Fail;
        failAt_ = n;
    }
    void setPdf(const QString& path) {
        mode_ = Mode::Pdf;
        pdfPath_ = path;
    }

private:
    enum class Mode { Log, None, Fail, Pdf };
    EventLog& log_;
    Mode mode_ = Mode::Log;
    int failAt_ = 0;
    QString pdfPath_;
};

// "published" and "unpublished" events.
class ScriptedPublishing : public Publishing {
public:
    explicit ScriptedPublishing(EventLog& log) : log_(log) {}
    void published(const QString& url) override;
    void unpublished() override;

private:
    EventLog& log_;
};

// All of the above together, ready to hand to the windows as a Platform.
class ScriptedPlatform {
public:
    ScriptedPlatform(EventLog& log, const QString& appPath)
        : dialogs(log), sound(log), printer(log), app(appPath), publishing(log) {}
    Platform platform() { return Platform{dialogs, clock, sound, printer, screen, app, publishing}; }

    ScriptedDialogs dialogs;
    ScriptedClock clock;
    ScriptedSound sound;
    ScriptedPrinterPort printer;
    ScriptedScreen screen;
    ScriptedAppInfo app;
    ScriptedPublishing publishing;
};

} // namespace platform
