#include "Cli.h"
#include "DescriptorBuffer.h"
#include "PosixLocale.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const trevik::SystemClock clock;
    const auto locale = trevik::cli::environmentLocale();
    // Standard output through a buffer that keeps the reason of a failed write.
    trevik::cli::DescriptorBuffer output(STDOUT_FILENO);
    std::ostream out(&output);
    const trevik::cli::CliSetup input{&std::cin, ::isatty(STDIN_FILENO) == 1};
    return trevik::cli::runCli(args, out, std::cerr, clock, *locale, input);
}
