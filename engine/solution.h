#pragma once
// Solution preparation at the bench: the command words "#weigh", "#molar" and "#dilute".
// Concentrations are in M (always mol/L), mM, µM (uM) or nM; volumes in L, mL or µL (uL);
// masses in g, mg or µg (ug). It keeps no state: the caller passes the molar mass in use.

#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

struct SolutionAnswer {
    std::string text; // the answer ("1.461 g"), or a message that says what is missing
    bool fault = false;
};

// The answer of a command line, or nullopt when the line is none of the three words.
//   #weigh 0.1 M 250 mL [98%]  the mass to weigh, divided by the purity when one is given
//   #molar 1.461 g 250 mL      the concentration of that mass in that volume
//   #dilute 1 M 50 mM 250 mL   stock and solvent volumes for the final volume
// `molarMass` is in g/mol (nullopt: none shown yet; #dilute needs none). Numbers are read and
// written with `decimalSeparator`; an answer has four significant digits, in the unit that
// puts its number between 1 and 1000, except that a concentration from 0.1 M up is written in M
// ("0.1000 M") and dilution volumes drop trailing zeros ("12.5 mL stock + 237.5 mL").
std::optional<SolutionAnswer>
solutionCommand(std::string_view line, std::optional<double> molarMass, char decimalSeparator);

} // namespace zolvan
