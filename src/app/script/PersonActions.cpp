#include "PersonActions.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlLookup.h"
#include "ControlProps.h"
#include "DeskSession.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "ListView.h"
#include "ScriptError.h"
#include "TextBox.h"

#include <QJsonObject>
#include <climits>

namespace script {
namespace {

void writeIgnored(DeskSession& session, const Command& command, const char* reason) {
    session.log().write(QJsonObject{{QStringLiteral("event"), QStringLiteral("ignored")},
                                    {QStringLiteral("command"), command.word},
                                    {QStringLiteral("reason"), QString::fromLatin1(reason)}});
}

// False, after writing "ignored", when a person cannot act on the target.
bool reachable(DeskSession& session, const Command& command, const Target& target) {
    const QWidget* w = target.control ? target.control : target.window;
    if (!target.window || !controls::isShown(w)) {
        writeIgnored(session, command, "hidden");
        return false;
    }
    if (!controls::isUsable(w)) {
        writeIgnored(session, command, "disabled");
        return false;
    }
    return true;
}

// The target's control as a T; ScriptError when it is another kind. A result-window control that is
// not loaded passes, since a person's action on it is ignored anyway.
template <class T> T* as(const Target& target, const char* kind) {
    if (!target.window) return nullptr;
    auto* c = dynamic_cast<T*>(target.control);
    if (!c) throw ScriptError(QStringLiteral("%1 is not %2").arg(target.name, QString::fromLatin1(kind)));
    return c;
}

void requireList(const Target& target) {
    if (target.window && !qobject_cast<controls::ListBox*>(target.control) &&
        !qobject_cast<controls::ListView*>(target.control) &&
        !qobject_cast<controls::ComboBox*>(target.control))
        throw ScriptError(QStringLiteral("%1 is not a list").arg(target.name));
}

void noEntry(const Target& target, int index) {
    throw ScriptError(QStringLiteral("%1 has no entry %2").arg(target.name).arg(index));
}

// A person's click on an entry: it is selected and the list's click handler runs.
void clickEntry(const Target& target, int index) {
    if (auto* list = qobject_cast<controls::ListBox*>(target.control)) {
        if (index >= list->ListCount()) noEntry(target, index);
        list->setListIndex(index);
        return;
    }
    if (auto* combo = qobject_cast<controls::ComboBox*>(target.control)) {
        if (index >= combo->count()) noEntry(target, index);
        combo->pick(index);
        return;
    }
    auto* lvw = qobject_cast<controls::ListView*>(target.control);
    if (index < 1 || index > lvw->RowCount()) noEntry(target, index);
    lvw->setSelectedRow(index);
    if (lvw->onItemClick) lvw->onItemClick(index);
}

int keyCode(const Command& command) {
    const QString& k = command.text(1);
    if (!command.args[1].quoted) {
        if (k == u"enter") return 13;
        if (k == u"esc") return 27;
        if (k == u"backspace") return 8;
        if (k == u"delete") return 127;
        // ctrl+LETTER types the control character: Ctrl+Z is 26.
        if (k.size() == 6 && k.startsWith(u"ctrl+") && k[5].isLetter() && k[5].unicode() < 128)
            return k[5].toLower().unicode() - 'a' + 1;
    }
    return static_cast<int>(command.integer(1, 1, 0xFFFF));
}

} // namespace

void click(DeskSession& session, const Command& command) {
    command.expectArgs(1, "click NAME");
    const Target t = findControl(session, command.text(0));
    auto* label = qobject_cast<controls::Label*>(t.control);
    auto* button = qobject_cast<controls::Button*>(t.control);
    auto* check = qobject_cast<controls::CheckBox*>(t.control);
    if (t.window && !label && !button && !check)
        throw ScriptError(QStringLiteral("%1 cannot be clicked").arg(t.name));
    if (!reachable(session, command, t)) return;
    if (check) check->toggle(); // a person's click changes the box before its handler runs
    const auto& handler = label ? label->onClick : button ? button->onClick : check->onClick;
    if (handler) handler();
}

void select(DeskSession& session, const Command& command) {
    command.expectArgs(2, "select NAME INDEX");
    const int index = static_cast<int>(command.integer(1, 0, INT_MAX));
    const Target t = findControl(session, command.text(0));
    requireList(t);
    if (reachable(session, command, t)) clickEntry(t, index);
}

void dblclick(DeskSession& session, const Command& command) {
    command.expectArgs(2, "dblclick NAME INDEX");
    const int index = static_cast<int>(command.integer(1, 0, INT_MAX));
    const Target t = findControl(session, command.text(0));
    requireList(t);
    if (!reachable(session, command, t)) return;
    clickEntry(t, index);
    auto* list = qobject_cast<controls::ListBox*>(t.control);
    if (list && list->onDblClick) list->onDblClick();
}

void focus(DeskSession& session, const Command& command) {
    command.expectArgs(1, "focus NAME");
    const Target t = findControl(session, command.text(0));
    if (reachable(session, command, t)) t.window->setFocusTo(t.control);
}

void type(DeskSession& session, const Command& command) {
    command.expectArgs(2, "type NAME \"TEXT\"");
    const Target t = findControl(session, command.text(0));
    as<controls::TextField>(t, "a text box");
    if (!reachable(session, command, t)) return;
    t.window->setFocusTo(t.control);
    for (const QChar c : command.text(1))
        t.window->typeChar(t.control, c.unicode());
}

void key(DeskSession& session, const Command& command) {
    command.expectArgs(2, "key NAME enter|esc|backspace|CODE");
    const int code = keyCode(command);
    const Target t = findControl(session, command.text(0));
    if (!reachable(session, command, t)) return;
    t.window->setFocusTo(t.control);
    t.window->typeChar(t.control, code);
}

void set(DeskSession& session, const Command& command) {
    command.expectArgs(2, "set NAME \"TEXT\"");
    const Target t = findControl(session, command.text(0));
    auto* field = as<controls::TextField>(t, "a text box");
    if (reachable(session, command, t)) field->setText(command.text(1));
}

void close(DeskSession& session, const Command& command) {
    command.expectArgs(1, "close NAME");
    const Target t = findTarget(session, command.text(0));
    if (t.control) throw ScriptError(QStringLiteral("%1 is not a window").arg(t.name));
    if (!t.window) throw ScriptError(QStringLiteral("%1 is not loaded").arg(t.name));
    // The window's own close: its unload handler runs, as when a person closes it.
    if (reachable(session, command, t)) t.window->close();
}

} // namespace script
