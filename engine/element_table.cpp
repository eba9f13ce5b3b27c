#include "engine/element_table.h"

#include "engine/ascii.h"
#include "engine/engine_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zolvan {

using namespace ascii;

namespace {

// Hydrogen to element 109, in order of atomic number. The decimals column is how far each
// weight is known; for Na, Mg, Sc, Co, As, Kr, Rh, Sn, Sb, Te and Dy it counts trailing zeros
// that the weight itself does not show.
// Each weight is written once: ROW keeps the literal as the weight and as its text.
#define ROW(symbol, weight, decimals)                                                              \
    Element {                                                                                      \
        symbol, weight, #weight, decimals                                                          \
    }
constexpr std::array<Element, 109> kElements{{
    ROW("H", 1.00794, 5),    ROW("He", 4.002602, 6),  ROW("Li", 6.941, 3),
    ROW("Be", 9.012182, 6),  ROW("B", 10.811, 3),     ROW("C", 12.0107, 4),
    ROW("N", 14.00674, 5),   ROW("O", 15.9994, 4),    ROW("F", 18.9984032, 7),
    ROW("Ne", 20.1797, 4),   ROW("Na", 22.98977, 6),  ROW("Mg", 24.305, 4),
    ROW("Al", 26.981538, 6), ROW("Si", 28.0855, 4),   ROW("P", 30.973761, 6),
    ROW("S", 32.066, 3),     ROW("Cl", 35.4527, 4),   ROW("Ar", 39.948, 3),
    ROW("K", 39.0983, 4),    ROW("Ca", 40.078, 3),    ROW("Sc", 44.95591, 6),
    ROW("Ti", 47.867, 3),    ROW("V", 50.9415, 4),    ROW("Cr", 51.9961, 4),
    ROW("Mn", 54.938049, 6), ROW("Fe", 55.845, 3),    ROW("Co", 58.9332, 6),
    ROW("Ni", 58.6934, 4),   ROW("Cu", 63.546, 3),    ROW("Zn", 65.39, 2),
    ROW("Ga", 69.723, 3),    ROW("Ge", 72.61, 2),     ROW("As", 74.9216, 5),
    ROW("Se", 78.96, 2),     ROW("Br", 79.904, 3),    ROW("Kr", 83.8, 2),
    ROW("Rb", 85.4678, 4),   ROW("Sr", 87.62, 2),     ROW("Y", 88.90585, 5),
    ROW("Zr", 91.224, 3),    ROW("Nb", 92.90638, 5),  ROW("Mo", 95.94, 2),
    ROW("Tc", 98, 0),        ROW("Ru", 101.07, 2),    ROW("Rh", 102.9055, 5),
    ROW("Pd", 106.42, 2),    ROW("Ag", 107.8682, 4),  ROW("Cd", 112.411, 3),
    ROW("In", 114.818, 3),   ROW("Sn", 118.71, 3),    ROW("Sb", 121.76, 3),
    ROW("Te", 127.6, 2),     ROW("I", 126.90447, 5),  ROW("Xe", 131.29, 2),
    ROW("Cs", 132.90545, 5), ROW("Ba", 137.327, 3),   ROW("La", 138.9055, 4),
    ROW("Ce", 140.116, 3),   ROW("Pr", 140.90765, 5), ROW("Nd", 144.24, 2),
    ROW("Pm", 145, 0),       ROW("Sm", 150.36, 2),    ROW("Eu", 151.964, 3),
    ROW("Gd", 157.25, 2),    ROW("Tb", 158.92534, 5), ROW("Dy", 162.5, 2),
    ROW("Ho", 164.93032, 5), ROW("Er", 167.26, 2),    ROW("Tm", 168.93421, 5),
    ROW("Yb", 173.04, 2),    ROW("Lu", 174.967, 3),   ROW("Hf", 178.49, 2),
    ROW("Ta", 180.9479, 4),  ROW("W", 183.84, 2),     ROW("Re", 186.207, 3),
    ROW("Os", 190.23, 2),    ROW("Ir", 192.217, 3),   ROW("Pt", 195.078, 3),
    ROW("Au", 196.96655, 5), ROW("Hg", 200.59, 2),    ROW("Tl", 204.3833, 4),
    ROW("Pb", 207.2, 1),     ROW("Bi", 208.98038, 5), ROW("Po", 209, 0),
    ROW("At", 210, 0),       ROW("Rn", 222, 0),       ROW("Fr", 223, 0),
    ROW("Ra", 226, 0),       ROW("Ac", 227, 0),       ROW("Th", 232.0381, 4),
    ROW("Pa", 231.03588, 5), ROW("U", 238.0289, 4),   ROW("Np", 237, 0),
    ROW("Pu", 244, 0),       ROW("Am", 243, 0),       ROW("Cm", 247, 0),
    ROW("Bk", 247, 0),       ROW("Cf", 251, 0),       ROW("Es", 252, 0),
    ROW("Fm", 257, 0),       ROW("Md", 258, 0),       ROW("No", 259, 0),
    ROW("Lr", 262, 0),       ROW("Rf", 261, 0),       ROW("Db", 262, 0),
    ROW("Sg", 263, 0),       ROW("Bh", 264, 0),       ROW("Hs", 265, 0),
    ROW("Mt", 268, 0),
}};
#undef ROW

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

// The lookup itself, inlined into every entry: the expansion asks it for every symbol it writes.
inline const Element* rowAt(std::size_t slot) {
    return kIndex[slot] != 0 ? &kElements[kIndex[slot] - 1] : nullptr;
}

inline const Element* rowOf(std::string_view symbol) {
    const auto slot = slotOf(symbol);
    return slot ? rowAt(*slot) : nullptr;
}

// The smaller count of decimals stays: an unknown symbol counts none.
inline void keepFewerDecimals(EngineState& state, const Element* element) {
    const std::int16_t decimals = element != nullptr ? element->decimals : std::int16_t{0};
    if (decimals < state.ElementDecimals) {
        state.ElementDecimals = decimals;
    }
}

} // namespace

std::span<const Element> elementTable() {
    return kElements;
}

const Element* findElement(std::string_view symbol) {
    return rowOf(symbol);
}

const Element* lookUpElement(EngineState& state, std::string_view symbol) {
    const Element* element = rowOf(symbol);
    keepFewerDecimals(state, element);
    return element;
}

const Element* lookUpElement(EngineState& state, char capital, char second) {
    // The slots of slotOf, without the checks the caller has made.
    auto slot = static_cast<std::size_t>(capital - 'A') * kSecondLetterSlots;
    if (second != '\0') {
        slot += 1 + static_cast<std::size_t>(second - 'a');
    }
    const Element* element = rowAt(slot);
    keepFewerDecimals(state, element);
    return element;
}

double atomicWeight(EngineState& state, std::string_view symbol) {
    const Element* element = lookUpElement(state, symbol);
    return element != nullptr ? element->weight : 0.0;
}

} // namespace zolvan
