#include "engine/formula_units.h"

#include "engine/ascii.h"
#include "engine/typed_characters.h"

#include <string_view>
#include <vector>

namespace zolvan {

using namespace ascii;

namespace {

bool isOpening(char c) {
    return c == '(' || c == '{' || c == '[';
}
bool isClosing(char c) {
    return c == ')' || c == '}' || c == ']';
}
bool isOperator(char c) {
    return std::string_view("+-*/^%").find(c) != std::string_view::npos;
}
bool isNumberCharacter(char c) {
    return isDigit(c) || c == '.' || c == ',';
}

// One part between dots: its leading count and the rest.
struct Part {
    std::string_view count;
    std::string_view rest;
};

Part splitCount(std::string_view part) {
    std::size_t end = 0;
    while (end < part.size() && isNumberCharacter(part[end])) {
        ++end;
    }
    return {part.substr(0, end), part.substr(end)};
}

// An element symbol starts here: a capital, but "E" only as the first letter of Es, Er or Eu,
// since an "E" before anything else is the exponent of a number.
bool startsSymbol(std::string_view text, std::size_t at) {
    if (!isUpper(text[at])) {
        return false;
    }
    return text[at] != 'E' || (at + 1 < text.size() && isLower(text[at + 1]));
}

// A formula: begins with a symbol or a bracket, holds a symbol and no function token.
bool isFormula(std::string_view rest) {
    if (rest.empty() || rest.find(':') != std::string_view::npos) {
        return false;
    }
    if (!startsSymbol(rest, 0) && !isOpening(rest.front())) {
        return false;
    }
    for (std::size_t at = 0; at < rest.size(); ++at) {
        if (startsSymbol(rest, at)) {
            return true;
        }
    }
    return false;
}

// True when the text is one bracket group from its first to its last character.
bool isOneGroup(std::string_view text) {
    if (text.size() < 2 || !isOpening(text.front()) || !isClosing(text.back())) {
        return false;
    }
    int depth = 0;
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        depth += isOpening(text[at]) ? 1 : isClosing(text[at]) ? -1 : 0;
        if (depth == 0) {
            return false;
        }
    }
    return true;
}

// (first(second)count2(third)count3)count1: the later parts as bracketed groups with their
// counts, the whole unit in brackets with the count of the first part after it.
std::string unitText(const std::vector<Part>& parts) {
    std::string unit = "(";
    unit += parts.front().rest;
    for (std::size_t k = 1; k < parts.size(); ++k) {
        const bool grouped = isOneGroup(parts[k].rest);
        unit += grouped ? "" : "(";
        unit += parts[k].rest;
        unit += grouped ? "" : ")";
        unit += parts[k].count;
    }
    unit += ')';
    unit += parts.front().count;
    return unit;
}

// The text between two operators or brackets at one bracket depth, split at its dots.
struct Level {
    char opening = '\0'; // the bracket that opened it; '\0' for the line itself
    std::string done;    // the level's text before the run being read
    std::vector<std::string> run{std::string()};
};

void flushRun(Level& level, std::size_t& units) {
    std::vector<Part> parts;
    bool formulas = true;
    for (const std::string& piece : level.run) {
        if (!piece.empty()) {
            parts.push_back(splitCount(piece));
            formulas = formulas && isFormula(parts.back().rest);
        }
    }
    if (parts.size() >= 2 && formulas) {
        level.done += unitText(parts);
        ++units;
    } else {
        for (std::size_t k = 0; k < level.run.size(); ++k) {
            const bool between = k > 0 && !level.run[k].empty() && !level.done.empty() &&
                                 !isOperator(level.done.back()) && !isOpening(level.done.back());
            if (between) {
                level.done += '*';
            }
            level.done += level.run[k];
        }
    }
    level.run.assign(1, std::string());
}

// Closes the innermost level into the current part of the level around it.
void closeLevel(std::vector<Level>& levels, std::size_t& units, char closing) {
    flushRun(levels.back(), units);
    Level inner = std::move(levels.back());
    levels.pop_back();
    std::string& part = levels.back().run.back();
    part += inner.opening;
    part += inner.done;
    if (closing != '\0') {
        part += closing;
    }
}

} // namespace

std::size_t joinFormulaUnits(std::string& text) {
    if (text.find(kUnitJoin) == std::string::npos) {
        return 0;
    }
    // Levels are kept on a stack of their own: brackets may nest as deep as the line is long.
    std::vector<Level> levels(1);
    std::size_t units = 0;
    for (const char c : text) {
        if (isOpening(c)) {
            levels.emplace_back().opening = c;
        } else if (isClosing(c) && levels.size() > 1) {
            closeLevel(levels, units, c);
        } else if (c == kUnitJoin) {
            levels.back().run.emplace_back();
        } else if (isOperator(c)) {
            flushRun(levels.back(), units);
            levels.back().done += c;
        } else {
            levels.back().run.back() += c;
        }
    }
    while (levels.size() > 1) {
        closeLevel(levels, units, '\0'); // a bracket left open stays open
    }
    flushRun(levels.back(), units);
    text = std::move(levels.back().done);
    return units;
}

} // namespace zolvan
