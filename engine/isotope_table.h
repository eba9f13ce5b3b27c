#pragma once
// The most abundant natural isotope of each element, hydrogen to element 109, in the order of
// the element table. The data is generated once from a published table (see the .cpp file).

#include <span>
#include <string_view>

namespace zolvan {

struct Isotope {
    std::string_view symbol;
    int massNumber;   // 0: the element has no natural isotope
    double mass;      // u
    double abundance; // percent of the natural element
};

std::span<const Isotope> isotopeTable();

// The row of an element symbol (exact case), or nullptr for no element.
const Isotope* mostAbundantIsotope(std::string_view symbol);

// Mass of the electron in u, taken off a cation's mass and added to an anion's.
inline constexpr double kElectronMass = 0.000548579909;

} // namespace zolvan
