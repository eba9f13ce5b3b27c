#pragma once
// The elemental composition of a line whose value is the molar mass of formula material, and
// its exact masses: the monoisotopic mass, the nominal mass and the m/z of the usual ions. It
// evaluates no arithmetic: a line that is anything but formula material has no composition.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

struct ElementShare {
    std::string_view symbol;
    double count = 0.0;        // atoms in one formula unit of the line; may be fractional
    double atomicWeight = 0.0; // the weight the engine evaluates the symbol with
    double contribution = 0.0; // count * atomicWeight
    double percent = 0.0;      // mass percent, two decimals; the shares add up to 100.00
};

struct Composition {
    std::vector<ElementShare> elements; // Hill order
    double mass = 0.0;                  // the molar mass, the sum of the contributions
    std::string formula;                // every atom of the line, Hill order ("CuH10O9S")
    std::string empirical;              // the same in the smallest whole ratio ("CH2O")
};

struct IonMass {
    std::string_view name; // "[M+H]+"
    double mz = 0.0;
};

struct ExactMass {
    std::optional<double> monoisotopic; // most abundant natural isotope of every element
    std::optional<double> nominal;      // sum of their mass numbers
    std::vector<IonMass> ions;          // empty when there is no monoisotopic mass
    std::string missing;                // why there is none ("No natural isotope of Tc")
};

// The composition of a canonical text made only of formulas (nested brackets with counts),
// sums of them with "+", and positive numbers multiplying a formula or a bracketed sum on
// either side of "*": "H2SO4", "2*(H2O)+(NaCl)", "2*(CuSO4+5*(H2O))", "3*(Ca(OH)2)". A count or
// a "*" binds to the one symbol or bracket beside it, as in the evaluated arithmetic, so the
// composition's mass is always the line's value. Anything else (an operator other than "+" and
// "*", a function, two masses multiplied, a term that is a bare number, an unknown symbol) gives
// nullopt. Numbers use `decimalSeparator`.
std::optional<Composition> compositionOf(std::string_view canonical, char decimalSeparator);

// Whether compositionOf would give a composition, without working it out.
bool isFormulaMaterial(std::string_view canonical, char decimalSeparator);

ExactMass exactMassOf(const Composition& composition);

// A count as a formula writes it: nothing for 1, else the number ("10", "4.5").
std::string countText(double count, char decimalSeparator);

} // namespace zolvan
