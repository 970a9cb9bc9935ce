#pragma once
// One command line of the script after splitting, and the checks its arguments go through.
#include "ScriptLexer.h"

#include <QString>
#include <vector>

namespace script {

class DeskSession;

struct Command {
    QString word;
    std::vector<Word> args;

    // ScriptError unless there are exactly n arguments; usage shows the expected form.
    void expectArgs(std::size_t n, const char* usage) const;
    // Argument i as a decimal integer (an optional minus sign) within [min, max], else ScriptError.
    long long integer(std::size_t i, long long min, long long max) const;
    const QString& text(std::size_t i) const { return args.at(i).text; }
};

using CommandHandler = void (*)(DeskSession&, const Command&);

} // namespace script
