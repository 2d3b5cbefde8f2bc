// tarvikctl: configure the Tarvik mouse from the command line or a script.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"

int main(int argc, char** argv) {
    using namespace tarvik::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = parseCommandLine(args);
    if (!parsed.options) {
        std::cerr << "tarvikctl: " << parsed.error << "\n\n" << usageText();
        return kExitUsage;
    }
    return runCommand(*parsed.options, std::cout, std::cerr);
}
