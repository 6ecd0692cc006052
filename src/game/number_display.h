// How the window writes numbers on its labels.
#pragma once

#include <cstdint>
#include <string>

namespace mj {

// The digits of n, after a blank when n is 0 or more and after a minus sign when it is
// negative: " 0", " 150", "-250".
inline std::string numberDisplay(std::int64_t n) {
    std::string text(n < 0 ? "" : " ");
    text += std::to_string(n);
    return text;
}

// A seconds value 0 to 59 as three characters: " 00" to " 09", then " 10" to " 59".
inline std::string secondsDisplay(std::int64_t n) {
    if (n > 9)
        return numberDisplay(n);
    std::string text(" 0");
    text += std::to_string(n);
    return text;
}

} // namespace mj
