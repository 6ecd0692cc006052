#include "support/probes.h"

#include <sstream>

namespace mj::testing {

using board::idx;

std::map<std::string, std::string> dumpLines(const std::string& dump) {
    std::map<std::string, std::string> lines;
    std::istringstream in(dump);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("---", 0) == 0)
            continue;
        std::size_t split = line.find(' ');
        if (line.rfind("field ", 0) == 0)
            split = line.find(' ', 6);
        lines[line.substr(0, split)] = line.substr(split + 1);
    }
    return lines;
}

int templateOf(const Frmmahjongg& w, int slot) {
    for (int t = 0; t < board::kFaceTemplates; ++t)
        if (w.Imgtile1[idx(slot)].Picture == w.Imgtmalli[idx(t)].Picture)
            return t;
    return -1;
}

int cornerOf(const Frmmahjongg& w, int piece) {
    for (int t = 0; t < board::kCornerTemplates; ++t)
        if (w.Imgvvak[idx(piece)].Picture == w.Imgvarjo1[idx(t)].Picture)
            return t;
    return -1;
}

} // namespace mj::testing
