// libFuzzer target: any bytes as a script for the script runner. A script either runs to its
// end or stops at its first malformed line with a message; it never crashes. Waits are
// clamped to a budget of virtual time so that a run stays short.
#include "script/runner.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr std::int64_t kBudgetMs = 200000;

// The line with a wait longer than what is left of the budget cut down to it.
std::string clampWait(std::string_view line, std::int64_t& left) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line.substr(start, 5) != "wait ")
        return std::string(line);
    const std::string_view digits = line.substr(start + 5);
    if (digits.empty() || digits.size() > 18 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(line);
    const std::int64_t ms = std::min<std::int64_t>(std::stoll(std::string(digits)), left);
    left -= ms;
    return "wait " + std::to_string(ms);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    std::ostringstream out;
    mj::ScriptRunner runner(out);
    std::int64_t left = kBudgetMs;
    std::size_t begin = 0;
    while (begin <= script.size()) {
        std::size_t end = script.find('\n', begin);
        if (end == std::string_view::npos)
            end = script.size();
        const std::string line = clampWait(script.substr(begin, end - begin), left);
        if (const auto error = runner.runLine(line); error && error->empty())
            __builtin_trap(); // a refusal always says why
        else if (error)
            break;
        begin = end + 1;
    }
    return 0;
}
