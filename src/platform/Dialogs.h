#pragma once
#include <QString>
#include <optional>

namespace platform {

enum class Buttons { OK, OKCancel, YesNo };
enum class Icon { None, Critical, Exclamation, Information };
enum class Answer { OK, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title; // empty: the application title
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::OK;
};

struct FileDialogRequest {
    bool save = false; // open dialog otherwise
    QString title;     // empty: the dialog's own
    QString filter;    // "DATA FILE *.dat|*.dat"
    QString initDir;
    QString defaultExt; // "dat", added to a name typed without an extension
    int flags = 0;      // 8192: ask before creating a file that does not exist
    QString fileName;
    bool cancelError = true;
    // The file type chosen in the dialog decides the name's extension: added to a name without one,
    // put in place of another type's.
    bool typeSetsExtension = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const MessageBoxRequest& request) = 0;
    // The chosen full path, or no value when cancelled.
    virtual std::optional<QString> fileDialog(const FileDialogRequest& request) = 0;
    virtual void beep() = 0;
};

} // namespace platform
