#pragma once
// A person's actions on the windows: click, select, dblclick, focus, type, key, set and close. An
// action on a control that a person cannot reach (hidden or disabled, itself or a container) writes
// "ignored" and runs nothing.
#include "Command.h"

namespace script {

void click(DeskSession& session, const Command& command);
void select(DeskSession& session, const Command& command);
void dblclick(DeskSession& session, const Command& command);
void focus(DeskSession& session, const Command& command);
void type(DeskSession& session, const Command& command);
void key(DeskSession& session, const Command& command);
void set(DeskSession& session, const Command& command);
void close(DeskSession& session, const Command& command);

} // namespace script
