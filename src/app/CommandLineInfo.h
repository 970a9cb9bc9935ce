#pragma once
// brisrundan --help and --version: printed on stdout without starting Qt, so that they work on a
// machine without a display; an unknown option is refused with the same help on stderr.
#include <QString>
#include <optional>

namespace cli {

QString usageLine();

// The exit code when the arguments ask for help or the version or hold an unknown option; no value when
// the desk (or the export) is to run.
std::optional<int> runInfoCommand(int argc, char** argv);

} // namespace cli
