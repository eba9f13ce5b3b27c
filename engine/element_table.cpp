#include "engine/element_table.h"

#include "engine/engine_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zolvan {

namespace {

// Hydrogen to element 109, in order of atomic number. The decimals column is how far each
// weight is known; for Na, Mg, Sc, Co, As, Kr, Rh, Sn, Sb, Te and Dy it counts trailing zeros
// that the weight itself does not show.
constexpr std::array<Element, 109> kElements{{
    {"H", 1.00794, 5},    {"He", 4.002602, 6}, {"Li", 6.941, 3},     {"Be", 9.012182, 6},
    {"B", 10.811, 3},     {"C", 12.0107, 4},   {"N", 14.00674, 5},   {"O", 15.9994, 4},
    {"F", 18.9984032, 7}, {"Ne", 20.1797, 4},  {"Na", 22.98977, 6},  {"Mg", 24.305, 4},
    {"Al", 26.981538, 6}, {"Si", 28.0855, 4},  {"P", 30.973761, 6},  {"S", 32.066, 3},
    {"Cl", 35.4527, 4},   {"Ar", 39.948, 3},   {"K", 39.0983, 4},    {"Ca", 40.078, 3},
    {"Sc", 44.95591, 6},  {"Ti", 47.867, 3},   {"V", 50.9415, 4},    {"Cr", 51.9961, 4},
    {"Mn", 54.938049, 6}, {"Fe", 55.845, 3},   {"Co", 58.9332, 6},   {"Ni", 58.6934, 4},
    {"Cu", 63.546, 3},    {"Zn", 65.39, 2},    {"Ga", 69.723, 3},    {"Ge", 72.61, 2},
    {"As", 74.9216, 5},   {"Se", 78.96, 2},    {"Br", 79.904, 3},    {"Kr", 83.8, 2},
    {"Rb", 85.4678, 4},   {"Sr", 87.62, 2},    {"Y", 88.90585, 5},   {"Zr", 91.224, 3},
    {"Nb", 92.90638, 5},  {"Mo", 95.94, 2},    {"Tc", 98, 0},        {"Ru", 101.07, 2},
    {"Rh", 102.9055, 5},  {"Pd", 106.42, 2},   {"Ag", 107.8682, 4},  {"Cd", 112.411, 3},
    {"In", 114.818, 3},   {"Sn", 118.71, 3},   {"Sb", 121.76, 3},    {"Te", 127.6, 2},
    {"I", 126.90447, 5},  {"Xe", 131.29, 2},   {"Cs", 132.90545, 5}, {"Ba", 137.327, 3},
    {"La", 138.9055, 4},  {"Ce", 140.116, 3},  {"Pr", 140.90765, 5}, {"Nd", 144.24, 2},
    {"Pm", 145, 0},       {"Sm", 150.36, 2},   {"Eu", 151.964, 3},   {"Gd", 157.25, 2},
    {"Tb", 158.92534, 5}, {"Dy", 162.5, 2},    {"Ho", 164.93032, 5}, {"Er", 167.26, 2},
    {"Tm", 168.93421, 5}, {"Yb", 173.04, 2},   {"Lu", 174.967, 3},   {"Hf", 178.49, 2},
    {"Ta", 180.9479, 4},  {"W", 183.84, 2},    {"Re", 186.207, 3},   {"Os", 190.23, 2},
    {"Ir", 192.217, 3},   {"Pt", 195.078, 3},  {"Au", 196.96655, 5}, {"Hg", 200.59, 2},
    {"Tl", 204.3833, 4},  {"Pb", 207.2, 1},    {"Bi", 208.98038, 5}, {"Po", 209, 0},
    {"At", 210, 0},       {"Rn", 222, 0},      {"Fr", 223, 0},       {"Ra", 226, 0},
    {"Ac", 227, 0},       {"Th", 232.0381, 4}, {"Pa", 231.03588, 5}, {"U", 238.0289, 4},
    {"Np", 237, 0},       {"Pu", 244, 0},      {"Am", 243, 0},       {"Cm", 247, 0},
    {"Bk", 247, 0},       {"Cf", 251, 0},      {"Es", 252, 0},       {"Fm", 257, 0},
    {"Md", 258, 0},       {"No", 259, 0},      {"Lr", 262, 0},       {"Rf", 261, 0},
    {"Db", 262, 0},       {"Sg", 263, 0},      {"Bh", 264, 0},       {"Hs", 265, 0},
    {"Mt", 268, 0},
}};

constexpr bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}

// A symbol is one upper-case letter, optionally followed by one lower-case letter; each such
// shape has one slot: 26 first letters times (no second letter, 'a' .. 'z').
constexpr std::size_t kSecondLetterSlots = 27;
constexpr std::size_t kSlotCount = 26 * kSecondLetterSlots;

constexpr std::optional<std::size_t> slotOf(std::string_view symbol) {
    if (symbol.empty() || symbol.size() > 2 || !isUpper(symbol[0])) {
        return std::nullopt;
    }
    const auto first = static_cast<std::size_t>(symbol[0] - 'A') * kSecondLetterSlots;
    if (symbol.size() == 1) {
        return first;
    }
    if (!isLower(symbol[1])) {
        return std::nullopt;
    }
    return first + 1 + static_cast<std::size_t>(symbol[1] - 'a');
}

// Row number plus one for every slot that holds an element, 0 elsewhere. Looking up through the
// slots gives the same row as comparing the symbols in table order, without walking the table.
constexpr std::array<std::uint8_t, kSlotCount> buildIndex() {
    std::array<std::uint8_t, kSlotCount> index{};
    for (std::size_t row = 0; row < kElements.size(); ++row) {
        const auto slot = slotOf(kElements[row].symbol);
        if (slot && index[*slot] == 0) {
            index[*slot] = static_cast<std::uint8_t>(row + 1);
        }
    }
    return index;
}

constexpr auto kIndex = buildIndex();

constexpr bool everyRowIsReachable() {
    for (std::size_t row = 0; row < kElements.size(); ++row) {
        const Element& e = kElements[row];
        const auto slot = slotOf(e.symbol);
        if (!slot || kIndex[*slot] != row + 1 || e.decimals < 0 || e.decimals > 7) {
            return false;
        }
    }
    return true;
}
static_assert(everyRowIsReachable(), "element symbols must be well formed and unique");

} // namespace

std::span<const Element> elementTable() {
    return kElements;
}

double atomicWeight(EngineState& state, std::string_view symbol) {
    double weight = 0.0;
    std::int16_t decimals = 0;
    if (const auto slot = slotOf(symbol); slot && kIndex[*slot] != 0) {
        const Element& e = kElements[kIndex[*slot] - 1];
        weight = e.weight;
        decimals = e.decimals;
    }
    if (decimals < state.ElementDecimals) {
        state.ElementDecimals = decimals;
    }
    return weight;
}

} // namespace zolvan
