#pragma once
// The names under which scripts and event logs write the message box's buttons, icons and answers.
#include "Dialogs.h"

#include <QString>
#include <optional>

namespace platform {

QString buttonsName(Buttons buttons); // "OK", "OKCancel", "YesNo"
QString iconName(Icon icon);          // "none", "critical", "exclamation", "information"
QString answerName(Answer answer);    // "OK", "Cancel", "Yes", "No"
std::optional<Answer> answerFromName(const QString& name);

} // namespace platform
