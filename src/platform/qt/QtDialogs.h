#pragma once
#include "Dialogs.h"

#include <QStringList>

namespace platform {

// Message boxes and the file dialog as Qt widgets, modal to the active window.
class QtDialogs : public Dialogs {
public:
    Answer messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    void beep() override;
};

// A filter of "description|patterns" pairs ("DATA FILE *.dat|*.dat") as Qt name filters
// ("DATA FILE *.dat (*.dat)"); patterns separated by ";" become blank-separated.
QStringList qtNameFilters(const QString& filter);
// The path with the extension of the filter's type number `type` (from 0): added when the name has no
// extension of any of the filter's types, put in place of another type's, kept when it already fits.
QString withTypeExtension(const QString& path, const QString& filter, int type);

} // namespace platform
