// The file-layer contract as a plain program, for a system without GoogleTest: the Win32 half under Wine.
// Prints one line per case and exits with 1 when any failed. "--full-disk" runs only the full-disk case,
// under a file-size limit the caller sets.
#include "FileContract.h"

#include <cstdio>

int main(int argc, char** argv) {
    std::vector<file_contract::Case> cases(std::begin(file_contract::Cases), std::end(file_contract::Cases));
    if (argc > 1 && std::string(argv[1]) == "--full-disk") cases = {file_contract::FullDisk};
    int failed = 0;
    for (const file_contract::Case& c : cases) {
        const std::string problem = file_contract::outcomeOf(c);
        std::printf("%s %s%s%s\n", problem.empty() ? "ok " : "FEL", c.name, problem.empty() ? "" : ": ",
                    problem.c_str());
        failed += problem.empty() ? 0 : 1;
    }
    return failed == 0 ? 0 : 1;
}
