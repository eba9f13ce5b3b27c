#include "engine/solution.h"

#include "engine/ascii.h"
#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <variant>
#include <vector>

namespace zolvan {

using namespace ascii;

namespace {

enum class Kind { Concentration, Volume, Mass, Purity };

struct Unit {
    std::string_view name;
    Kind kind;
    double scale; // to mol/L, L, g or percent
};

// "µ" may come as the micro sign (U+00B5) or the Greek small mu (U+03BC); "u" stands for both.
constexpr std::array<Unit, 29> kUnits{{
    {"M", Kind::Concentration, 1.0},
    {"mM", Kind::Concentration, 1e-3},
    {"\u00B5M", Kind::Concentration, 1e-6},
    {"\u03BCM", Kind::Concentration, 1e-6},
    {"uM", Kind::Concentration, 1e-6},
    {"nM", Kind::Concentration, 1e-9},
    {"pM", Kind::Concentration, 1e-12},
    {"L", Kind::Volume, 1.0},
    {"l", Kind::Volume, 1.0},
    {"mL", Kind::Volume, 1e-3},
    {"ml", Kind::Volume, 1e-3},
    {"\u00B5L", Kind::Volume, 1e-6},
    {"\u00B5l", Kind::Volume, 1e-6},
    {"\u03BCL", Kind::Volume, 1e-6},
    {"\u03BCl", Kind::Volume, 1e-6},
    {"uL", Kind::Volume, 1e-6},
    {"ul", Kind::Volume, 1e-6},
    {"nL", Kind::Volume, 1e-9},
    {"nl", Kind::Volume, 1e-9},
    {"kg", Kind::Mass, 1e3},
    {"g", Kind::Mass, 1.0},
    {"mg", Kind::Mass, 1e-3},
    {"\u00B5g", Kind::Mass, 1e-6},
    {"\u03BCg", Kind::Mass, 1e-6},
    {"ug", Kind::Mass, 1e-6},
    {"ng", Kind::Mass, 1e-9},
    {"%", Kind::Purity, 1.0},
    {"pct", Kind::Purity, 1.0},
    {"percent", Kind::Purity, 1.0},
}};

// The units an answer is written in, largest first.
constexpr std::array<Unit, 5> kConcentrationOut{{{"M", Kind::Concentration, 1.0},
                                                 {"mM", Kind::Concentration, 1e-3},
                                                 {"\u00B5M", Kind::Concentration, 1e-6},
                                                 {"nM", Kind::Concentration, 1e-9},
                                                 {"pM", Kind::Concentration, 1e-12}}};
constexpr std::array<Unit, 4> kVolumeOut{{{"L", Kind::Volume, 1.0},
                                          {"mL", Kind::Volume, 1e-3},
                                          {"\u00B5L", Kind::Volume, 1e-6},
                                          {"nL", Kind::Volume, 1e-9}}};
constexpr std::array<Unit, 5> kMassOut{{{"kg", Kind::Mass, 1e3},
                                        {"g", Kind::Mass, 1.0},
                                        {"mg", Kind::Mass, 1e-3},
                                        {"\u00B5g", Kind::Mass, 1e-6},
                                        {"ng", Kind::Mass, 1e-9}}};

struct Quantity {
    Kind kind;
    double value; // in the base unit
};

struct Failure {
    std::string message;
};

std::string_view kindName(Kind kind) {
    switch (kind) {
    case Kind::Concentration:
        return "concentration (M, mM, \u00B5M or nM)";
    case Kind::Volume:
        return "volume (L, mL or \u00B5L)";
    case Kind::Mass:
        return "mass (g, mg or \u00B5g)";
    case Kind::Purity:
        break;
    }
    return "purity (%)";
}

const Unit* findUnit(std::string_view name) {
    for (const Unit& unit : kUnits) {
        if (unit.name == name) {
            return &unit;
        }
    }
    return nullptr;
}

// Length of the number a text starts with: sign, digits, one separator, an exponent that has
// digits. 0 when no digit starts it.
std::size_t numberLength(std::string_view text, char separator) {
    return scanNumber(text, separator).length;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        out.push_back(text.substr(start, end - start));
        at = end;
    }
    return out;
}

// Every "number unit" pair of the words, the unit written after the number or as the next word.
std::variant<std::vector<Quantity>, Failure> quantities(std::string_view text, char separator) {
    const std::vector<std::string_view> list = words(text);
    std::vector<Quantity> out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::size_t length = numberLength(list[i], separator);
        if (length == 0) {
            return Failure{"No number before \"" + std::string(list[i]) + "\"!"};
        }
        const std::string_view number = list[i].substr(0, length);
        std::string_view unitName = list[i].substr(length);
        if (unitName.empty() && i + 1 < list.size() && numberLength(list[i + 1], separator) == 0) {
            unitName = list[++i];
        }
        if (unitName.empty()) {
            return Failure{"No unit after " + std::string(number) + "!"};
        }
        const Unit* unit = findUnit(unitName);
        if (unit == nullptr) {
            return Failure{"Unknown unit \"" + std::string(unitName) +
                           "\"! Use M, mM, \u00B5M, nM, L, mL, \u00B5L, g, mg, \u00B5g or %."};
        }
        const std::optional<double> value = readNumber(number, separator);
        if (!value || !std::isfinite(*value)) {
            return Failure{"No number before \"" + std::string(unitName) + "\"!"};
        }
        out.push_back({unit->kind, *value * unit->scale});
    }
    return out;
}

// The number rounded to four significant digits, for choosing a unit.
double fourDigits(double x) {
    if (x == 0.0 || !std::isfinite(x)) {
        return x;
    }
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::abs(x))));
    return std::round(x * scale) / scale;
}

// How an answer is written. Four significant digits, in the unit that puts the number between 1
// and 1000; a concentration from 0.1 M up stays in M, as molar solutions are labelled (0.1000 M),
// and dilution volumes drop trailing zeros (12.5 mL), being read off a pipette or a flask.
struct AnswerStyle {
    double largestUnitFrom = 1.0; // the first, largest unit is chosen from this number up
    bool trimZeros = false;
};

constexpr AnswerStyle kMassStyle{};
constexpr AnswerStyle kConcentrationStyle{0.1, false};
constexpr AnswerStyle kDilutionStyle{1.0, true};

std::string withoutTrailingZeros(std::string text, char separator) {
    if (text.find(separator) == std::string::npos) {
        return text;
    }
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == separator) {
        text.pop_back();
    }
    return text;
}

std::string quantityText(double value, std::span<const Unit> units, AnswerStyle style,
                         char separator) {
    const Unit* chosen = &units.back();
    for (const Unit& unit : units) {
        const double from = &unit == &units.front() ? style.largestUnitFrom : 1.0;
        if (fourDigits(value / unit.scale) >= from) {
            chosen = &unit;
            break;
        }
    }
    const double x = value / chosen->scale;
    const double rounded = fourDigits(x);
    const int magnitude = rounded == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(rounded)));
    const int decimals = std::max(0, 3 - magnitude);
    std::string number = fixedText(x, decimals, separator);
    if (style.trimZeros) {
        number = withoutTrailingZeros(std::move(number), separator);
    }
    return number + " " + std::string(chosen->name);
}

struct Request {
    std::string_view word;    // a literal: the line's word may not outlive the call
    std::vector<Kind> needed; // in the order they are read
    bool purityAllowed;
    std::string_view example;
};

// Takes the quantities of the kinds the word needs, in order; a missing or a surplus one is a
// message that names what the word takes.
std::variant<std::vector<double>, Failure>
arrange(const Request& request, const std::vector<Quantity>& given, double& purity) {
    std::vector<double> values;
    std::vector<bool> used(given.size(), false);
    bool purityTaken = false;
    for (Kind kind : request.needed) {
        bool found = false;
        for (std::size_t i = 0; i < given.size() && !found; ++i) {
            if (!used[i] && given[i].kind == kind) {
                used[i] = true;
                found = true;
                values.push_back(given[i].value);
            }
        }
        if (!found) {
            return Failure{"#" + std::string(request.word) + " needs a " +
                           std::string(kindName(kind)) + ", as in " + std::string(request.example) +
                           "!"};
        }
    }
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (!used[i] && given[i].kind == Kind::Purity && request.purityAllowed && !purityTaken) {
            used[i] = true;
            purityTaken = true;
            purity = given[i].value;
        } else if (!used[i]) {
            return Failure{"#" + std::string(request.word) + " takes no " +
                           std::string(kindName(given[i].kind)) + " here, as in " +
                           std::string(request.example) + "!"};
        }
    }
    return values;
}

std::optional<Request> requestFor(std::string_view word) {
    if (word == "weigh") {
        return Request{
            "weigh", {Kind::Concentration, Kind::Volume}, true, "#weigh 0.1 M 250 mL 98%"};
    }
    if (word == "molar") {
        return Request{"molar", {Kind::Mass, Kind::Volume}, false, "#molar 1.461 g 250 mL"};
    }
    if (word == "dilute") {
        return Request{"dilute",
                       {Kind::Concentration, Kind::Concentration, Kind::Volume},
                       false,
                       "#dilute 1 M 50 mM 250 mL"};
    }
    return std::nullopt;
}

SolutionAnswer fail(std::string message) {
    return {std::move(message), true};
}

SolutionAnswer answer(const Request& request, const std::vector<double>& v, double purity,
                      std::optional<double> molarMass, char separator) {
    for (double value : v) {
        if (!(value > 0.0)) {
            return fail("Every amount must be above zero!");
        }
    }
    if (!(purity > 0.0) || purity > 100.0) {
        return fail("The purity must be above 0 and at most 100%!");
    }
    if (request.word == "dilute") {
        if (v[1] > v[0]) {
            return fail("The stock must be at least as concentrated as the solution!");
        }
        const double stock = v[1] * v[2] / v[0];
        const double solvent = v[2] - stock;
        const std::string stockText = quantityText(stock, kVolumeOut, kDilutionStyle, separator);
        const std::string water = solvent > 0.0
                                      ? quantityText(solvent, kVolumeOut, kDilutionStyle, separator)
                                      : "0" + stockText.substr(stockText.rfind(' '));
        return {stockText + " stock + " + water, false};
    }
    if (!molarMass || !(*molarMass > 0.0)) {
        return fail("No molar mass: calculate a formula first!");
    }
    if (request.word == "weigh") {
        const double grams = v[0] * v[1] * *molarMass / (purity / 100.0);
        return {quantityText(grams, kMassOut, kMassStyle, separator), false};
    }
    return {
        quantityText(v[0] / *molarMass / v[1], kConcentrationOut, kConcentrationStyle, separator),
        false};
}

// The command word after "#" and blanks, in lower case; empty when a letter does not end it.
std::string commandWord(std::string_view line, std::size_t& end) {
    std::size_t at = line.find_first_not_of(" \t", 1);
    std::string word;
    while (at != std::string_view::npos && at < line.size() &&
           (isLower(line[at]) || isUpper(line[at]))) {
        word.push_back(toLower(line[at++]));
    }
    end = at == std::string_view::npos ? line.size() : at;
    return word;
}

} // namespace

std::optional<SolutionAnswer>
solutionCommand(std::string_view line, std::optional<double> molarMass, char decimalSeparator) {
    if (!line.starts_with('#')) {
        return std::nullopt;
    }
    std::size_t end = 0;
    const std::optional<Request> request = requestFor(commandWord(line, end));
    if (!request) {
        return std::nullopt;
    }
    const auto given = quantities(line.substr(end), decimalSeparator);
    if (const auto* failure = std::get_if<Failure>(&given)) {
        return fail(failure->message);
    }
    double purity = 100.0;
    const auto values = arrange(*request, std::get<std::vector<Quantity>>(given), purity);
    if (const auto* failure = std::get_if<Failure>(&values)) {
        return fail(failure->message);
    }
    return answer(*request, std::get<std::vector<double>>(values), purity, molarMass,
                  decimalSeparator);
}

} // namespace zolvan
