#include "Cli.h"
#include "PosixLocale.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const trevik::SystemClock clock;
    const auto locale = trevik::cli::EnvironmentLocale();
    return trevik::cli::RunCli(args, std::cout, std::cerr, clock, *locale);
}
