#include "cli/cli_options.h"

#include <array>
#include <charconv>
#include <string_view>

namespace zolvan::cli {

namespace {

// Index of `value` in `names`, or nullopt.
template <std::size_t N>
std::optional<int> indexOf(std::string_view value, const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == value) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> wholeNumber(std::string_view text, int max) {
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0 || value > max) {
        return std::nullopt;
    }
    return value;
}

struct Parser {
    const std::vector<std::string>& args;
    std::size_t next = 0;
    Options options;

    std::optional<UsageError> takeOption(std::string_view arg);
    std::optional<UsageError> takeValued(std::string_view name, std::string_view value);
};

constexpr std::array<std::string_view, 3> kAngles{"rad", "deg", "grad"};
constexpr std::array<std::string_view, 3> kModes{"auto", "sci", "fix"};

std::optional<UsageError> Parser::takeValued(std::string_view name, std::string_view value) {
    if (name == "--angle") {
        if (auto index = indexOf(value, kAngles)) {
            options.angle = *index;
            return std::nullopt;
        }
        return UsageError{"--angle takes rad, deg or grad"};
    }
    if (name == "--mode") {
        if (auto index = indexOf(value, kModes)) {
            options.mode = *index;
            return std::nullopt;
        }
        return UsageError{"--mode takes auto, sci or fix"};
    }
    if (name == "--decimals") {
        if (auto places = wholeNumber(value, 12)) {
            options.decimals = *places;
            return std::nullopt;
        }
        return UsageError{"--decimals takes a whole number from 0 to 12"};
    }
    // --decimal-separator
    if (value == "." || value == ",") {
        options.decimalSeparator = value[0];
        return std::nullopt;
    }
    return UsageError{"--decimal-separator takes . or ,"};
}

std::optional<UsageError> Parser::takeOption(std::string_view arg) {
    if (arg == "--thousands") {
        options.thousands = true;
    } else if (arg == "--no-separators") {
        options.showSeparators = false;
    } else if (arg == "--json") {
        options.json = true;
    } else if (arg == "--no-hints") {
        options.hints = false;
    } else if (arg == "--composition") {
        options.composition = true;
    } else if (arg == "--strict") {
        options.strict = true;
    } else if (arg == "--help" || arg == "-h") {
        options.help = true;
    } else if (arg == "--version") {
        options.version = true;
    } else {
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (name != "--angle" && name != "--mode" && name != "--decimals" &&
            name != "--decimal-separator") {
            return UsageError{"unknown option " + std::string(name)};
        }
        if (equals != std::string_view::npos) {
            return takeValued(name, arg.substr(equals + 1));
        }
        if (next >= args.size()) {
            return UsageError{std::string(name) + " needs a value"};
        }
        return takeValued(name, args[next++]);
    }
    return std::nullopt;
}

} // namespace

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args) {
    Parser parser{args, 0, {}};
    bool optionsEnded = false;
    while (parser.next < args.size()) {
        const std::string& arg = args[parser.next++];
        // An expression may start with a sign ("-2^2"), so only "--" words and -h are options.
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg.starts_with("--") || arg == "-h")) {
            if (auto error = parser.takeOption(arg)) {
                return *error;
            }
        } else {
            parser.options.expressions.push_back(arg);
        }
    }
    return parser.options;
}

std::string usageText() {
    return R"(Usage: zolvan-cli [OPTION]... [EXPR]...
Evaluate each EXPR, or each line of standard input when none is given, exactly as the
Enter key of Zolvan does. Settings, memory, the last answer and the data series carry
from line to line; lines that begin with "#" are commands (#mem, #mem+, #mem-, #auto,
#sci N, #fix N, #rad, #deg, #grad) and solution preparation on the last molar mass:
  #weigh 0.1 M 250 mL [98%]   the mass to weigh (purity optional)
  #molar 1.461 g 250 mL       the concentration
  #dilute 1 M 50 mM 250 mL    the stock and solvent volumes
Concentrations in M (mol/L), mM, uM or nM; volumes in L, mL or uL; masses in g, mg or ug.

  --angle rad|deg|grad        starting angle unit (default rad)
  --mode auto|sci|fix         starting number display (default auto)
  --decimals N                decimal places, 0 to 12 (default 2)
  --thousands                 tick the 1000 separator
  --decimal-separator .|,     the decimal separator (default .)
  --no-separators             show function names without their ":" marks
  --json                      one JSON object per line instead of the history line
  --no-hints                  no hints (see below)
  --composition               after each line whose value is the molar mass of a
                              formula, its composition table and exact masses
  --strict                    exit with status 3 when any line's result was a fault
  --help                      show this help and exit
  --version                   show the version and exit

Output: one line per input line, as a task file records it: the line, " = ", the
result (or the line alone when the result is empty). CR, CR LF and LF all end a line,
in standard input and inside an EXPR. Control characters are shown as their control
pictures (U+2400...), bytes that are no UTF-8 as U+FFFD. A line of standard input is
kept up to 1 MiB; the rest of a longer one is left out, with a note on standard error.
When a line was probably not what was meant (CuSO4*5H2O, co, SIN(30), a dropped
character), a hint says so: one line "hint: ..." on standard error after the output
line, or the array "hints" in JSON. A hint never changes a result.
To a terminal each answer is written at once; to a file or a pipe in blocks, written
whenever zolvan-cli waits for more input and at the end. Hints stay right after their
line when standard error is the same file as standard output (2>&1).
JSON fields: input, canonical, arithmetic, result, kind, rows, unknown, ok (false when
the result is a fault message), error (that message or null), composition (null, or
formula, empirical, mass, elements with symbol, count, mass, contribution and percent,
monoisotopic, nominal, ions, monoisotopic_reason), monoisotopic, nominal, ions (m/z of
[M+H]+, [M+Na]+, [M+K]+, [M+NH4]+, [M-H]-, [M+Cl]-), history, memory, data_count,
hints.
Exit status: 0 on success, 1 when reading or writing fails, 2 for a bad option, 3 with
--strict when a line's result was a fault (every line is still answered).
)";
}

} // namespace zolvan::cli
