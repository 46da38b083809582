#include "manpage/ManPage.h"

#include <fstream>
#include <iostream>

// Writes trevik-cli.1 at build time: trevik-cli-manpage OUTPUT VERSION DATE.
int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: trevik-cli-manpage OUTPUT VERSION DATE\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    trevik::cli::writeManPage(out, trevik::cli::allCommands(), argv[2], argv[3]);
    out.close();
    if (!out) {
        std::cerr << "trevik-cli-manpage: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
