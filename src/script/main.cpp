// mahjongg-script: runs a script against a fresh game window with a virtual clock.
// Usage: mahjongg-script [SCRIPT]; without SCRIPT the script is read from standard input.
#include "script/runner.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: mahjongg-script [SCRIPT]\n";
        return 2;
    }
    mj::ScriptRunner runner(std::cout);
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "mahjongg-script: cannot read " << argv[1] << '\n';
            return 2;
        }
        return runner.run(file, std::cerr);
    }
    return runner.run(std::cin, std::cerr);
}
