// libFuzzer target: any bytes as a script for the script runner. A script either runs to its
// end or stops at its first malformed line with a message; it never crashes. Waits are
// clamped to a budget of virtual time so that a run stays short.
#include "script/runner.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int64_t kBudgetMs = 200000;

// The line, with a wait longer than what is left of the budget cut down to it. The line is
// read exactly as the runner reads it, so no way of writing a wait escapes the budget.
std::string clampWait(std::string_view line, std::int64_t& left) {
    const std::vector<std::string_view> words = mj::scriptWords(line);
    if (words.size() != 2 || words[0] != "wait")
        return std::string(line);
    const std::optional<std::int64_t> ms = mj::scriptNumber(words[1]);
    if (!ms)
        return std::string(line);
    const std::int64_t granted = std::min(*ms, left);
    left -= granted;
    std::string clamped("wait ");
    clamped += std::to_string(granted);
    return clamped;
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
