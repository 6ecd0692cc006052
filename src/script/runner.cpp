#include "script/runner.h"

#include "script/dump.h"
#include "window/click_rule.h"

#include <istream>
#include <ostream>
#include <vector>

namespace mj {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::optional<ButtonId> buttonNamed(std::string_view name) {
    for (int b = 0; b < kButtons; ++b)
        if (name == buttonName(static_cast<ButtonId>(b)))
            return static_cast<ButtonId>(b);
    return std::nullopt;
}

// The words one after another, as one text.
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

std::string quoted(std::string_view word) {
    return joined({"'", word, "'"});
}

} // namespace

std::vector<std::string_view> scriptWords(std::string_view line) {
    line = withoutCarriageReturn(line);
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            result.push_back(line.substr(start, i - start));
    }
    return result;
}

std::optional<std::int64_t> scriptNumber(std::string_view word) {
    if (word.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        value = value > (kHugeNumber - digit) / 10 ? kHugeNumber : value * 10 + digit;
    }
    return value;
}

ScriptRunner::ScriptRunner(std::ostream& out) : out_(out), window_(random_), clock_(window_) {
    window_.Form_Load();
    clock_.sync();
}

void ScriptRunner::clickPixel(std::int64_t x, std::int64_t y) {
    // Pixels outside the client area hit nothing. The check comes before any arithmetic, so a
    // number of any size stays in range.
    constexpr int kLastX = (Frmmahjongg::ClientWidth - 1) / kTwipsPerPixel;
    constexpr int kLastY = (Frmmahjongg::ClientHeight - 1) / kTwipsPerPixel;
    if (x > kLastX || y > kLastY)
        return;
    clickAt(window_, static_cast<int>(x) * kTwipsPerPixel, static_cast<int>(y) * kTwipsPerPixel);
    clock_.sync();
}

std::optional<std::string> ScriptRunner::runLine(std::string_view line) {
    line = withoutCarriageReturn(line);
    const std::vector<std::string_view> w = scriptWords(line);
    if (w.empty() || w[0].front() == '#')
        return std::nullopt;
    const std::string_view command = w[0];

    if (command == "echo") {
        // Everything after the one blank that follows the command, as it stands.
        const std::size_t at = line.find("echo") + 4;
        out_ << (at < line.size() ? line.substr(at + 1) : std::string_view{}) << '\n';
        return std::nullopt;
    }

    const auto expect = [&](std::size_t arguments) -> std::optional<std::string> {
        if (w.size() - 1 < arguments)
            return joined({quoted(command), " needs ", std::to_string(arguments),
                           arguments == 1 ? " argument" : " arguments"});
        if (w.size() - 1 > arguments)
            return joined({"extra word ", quoted(w[arguments + 1]), " after ", quoted(command)});
        return std::nullopt;
    };
    const auto numbers = [&](std::size_t count, std::int64_t(&values)[2]) {
        std::optional<std::string> error = expect(count);
        for (std::size_t i = 0; !error && i < count; ++i) {
            const auto value = scriptNumber(w[i + 1]);
            if (!value)
                error = joined({quoted(w[i + 1]), " is not a whole number, 0 or more"});
            else
                values[i] = *value;
        }
        return error;
    };

    std::int64_t n[2] = {0, 0};
    if (command == "wait") {
        if (auto error = numbers(1, n))
            return error;
        if (n[0] > kLatestMs - clock_.now())
            return joined({quoted(w[1]), " is too large: the clock runs to ",
                           std::to_string(kLatestMs), " ms at most"});
        clock_.advance(n[0]);
    } else if (command == "click") {
        if (auto error = numbers(2, n))
            return error;
        clickPixel(n[0], n[1]);
    } else if (command == "tile") {
        if (auto error = numbers(1, n))
            return error;
        if (n[0] > board::kSpareSlot)
            return joined({"no tile ", quoted(w[1]), " (tiles are 0 to 150)"});
        const Image& tile = window_.Imgtile1[board::idx(static_cast<int>(n[0]))];
        clickPixel((tile.Left + 240) / kTwipsPerPixel, (tile.Top + 300) / kTwipsPerPixel);
    } else if (command == "press") {
        if (auto error = expect(1))
            return error;
        const auto id = buttonNamed(w[1]);
        if (!id)
            return joined({"no button ", quoted(w[1])});
        const Button& b = window_.button(*id);
        clickPixel((b.Left + b.Width / 2) / kTwipsPerPixel,
                   (b.Top + b.Height / 2) / kTwipsPerPixel);
    } else if (command == "key") {
        if (auto error = expect(1))
            return error;
        const std::string_view key = w[1];
        const bool letter = key.size() == 1 &&
                            ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'));
        if (!letter)
            return joined({quoted(key), " is not one letter"});
        pressMnemonic(window_, key[0]);
        clock_.sync();
    } else if (command == "dump") {
        if (auto error = expect(0))
            return error;
        out_ << dump(window_, clock_.now());
    } else {
        return joined({"unknown command ", quoted(command)});
    }
    return std::nullopt;
}

int ScriptRunner::run(std::istream& in, std::ostream& err) {
    const auto written = [&] {
        if (out_.flush())
            return true;
        err << "mahjongg-script: the output cannot be written\n";
        return false;
    };
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (const auto error = runLine(line)) {
            if (!written())
                return kCannotWrite;
            err << "mahjongg-script: line " << number << ": " << *error << '\n';
            return kMalformed;
        }
        // A write that failed ends the run; what is still buffered shows at the flush.
        if (!out_ && !written())
            return kCannotWrite;
    }
    if (!written())
        return kCannotWrite;
    if (in.bad()) {
        err << "mahjongg-script: the script cannot be read\n";
        return kMalformed;
    }
    return 0;
}

} // namespace mj
