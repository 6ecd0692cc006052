// mahjongg-script: runs a script against a fresh game window with a virtual clock.
// Usage: mahjongg-script [SCRIPT]; without SCRIPT the script is read from standard input.
#include "script/runner.h"

#include <csignal>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A reader that goes away makes the next write fail, which the runner reports, instead of
    // ending the process without a word.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc > 2) {
        std::cerr << "usage: mahjongg-script [SCRIPT]\n";
        return mj::ScriptRunner::kMalformed;
    }
    mj::ScriptRunner runner(std::cout);
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "mahjongg-script: cannot read " << argv[1] << '\n';
            return mj::ScriptRunner::kMalformed;
        }
        return runner.run(file, std::cerr);
    }
    return runner.run(std::cin, std::cerr);
}
