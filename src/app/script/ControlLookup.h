#pragma once
// Finds what a NAME of the script stands for: a control of the desk or of the result window, or one
// of the two windows. A result-window NAME is known even while that window is not loaded, so that a
// person's action on it is ignored rather than loading the window.
#include <QString>

class QWidget;

namespace controls {
class Form;
}

namespace script {

class DeskSession;

struct Target {
    QString name;
    controls::Form* window = nullptr; // null: the result window, not loaded
    QWidget* control = nullptr;       // null: the window itself
};

// ScriptError for an unknown NAME or while the desk is not loaded.
Target findTarget(DeskSession& session, const QString& name);
// As findTarget, but NAME must be a control.
Target findControl(DeskSession& session, const QString& name);

} // namespace script
