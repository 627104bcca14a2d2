// Writes the bash completion of morvalent-cli to the file named, for the build.
#include <fstream>
#include <iostream>

#include "cli/Completion.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: morvalent-cli-completion OUTPUT\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << morvalent::cli::BashCompletion();
    out.close();
    return out ? 0 : 1;
}
