// The file-layer contract without GoogleTest, for the Win32 half under Wine; exits with 1 when a case
// failed. "--full-disk" runs only that case, under the caller's file-size limit.
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
