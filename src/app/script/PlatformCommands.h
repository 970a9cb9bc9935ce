#pragma once
// The commands that set up the outside world of the desk: screen, clock, tick, answer, file, printer.
#include "Command.h"

namespace script {

void screen(DeskSession& session, const Command& command);
void clock(DeskSession& session, const Command& command);
void tick(DeskSession& session, const Command& command);
void answer(DeskSession& session, const Command& command);
void file(DeskSession& session, const Command& command);
void printer(DeskSession& session, const Command& command);

} // namespace script
