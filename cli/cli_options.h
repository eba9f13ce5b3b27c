#pragma once
// Command-line options of zolvan-cli. Parsing only; nothing is applied here.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zolvan::cli {

struct Options {
    int angle = 0; // 0 radians, 1 degrees, 2 grads
    int mode = 0;  // 0 automatic, 1 scientific, 2 fixed
    std::optional<int> decimals;
    bool thousands = false;
    char decimalSeparator = '.';
    bool showSeparators = true;
    bool json = false;
    bool hints = true;
    bool composition = false; // the composition table after each formula line
    bool strict = false;      // exit status 3 when any line's result was a fault
    bool help = false;
    bool version = false;
    std::vector<std::string> expressions; // each is one input line
};

// A usage error, to be printed on one line to standard error (exit status 2).
struct UsageError {
    std::string message;
};

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args);

std::string usageText();

} // namespace zolvan::cli
