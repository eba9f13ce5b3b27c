#include "panels/constants_lists.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace zolvan {

namespace {

using Pair = std::pair<std::string_view, std::string_view>;

struct Quantity {
    std::string_view name;
    std::string_view base;
    std::initializer_list<Pair> units; // unit name and factor text
};

// "Flow - liter per minute  (L/s)" has two blanks before its unit: the unit name ends in one.
const std::initializer_list<Quantity> kSiUnits{
    {"Area",
     "(m2)",
     {{"square meter", "1"},
      {"acre", "4046.8564224"},
      {"hectare", "10000"},
      {"square centimeter", "0.0001"},
      {"square decimeter", "0.01"},
      {"square foot", "0.09290304"},
      {"square inch", "0.00064516"},
      {"square kilometer", "1000000"},
      {"square mile", "2589988.11"},
      {"square millimeter", "0.000001"},
      {"square yard", "0.83612736"}}},
    {"Density",
     "(kg/L)",
     {{"kg per liter", "1"},
      {"gram per cubic centimeter", "1"},
      {"kg per cubic decimeter", "1"},
      {"kg per cubic meter", "0.001"},
      {"milligram per cubic centimeter", "0.001"},
      {"tons per cubic meter", "1"}}},
    {"Energy",
     "(J)",
     {{"joule", "1"},
      {"calorie", "4.1868"},
      {"electron-volt", "1.6021892 E-19"},
      {"erg", "0.0000001"},
      {"kilocalorie", "4186.8"},
      {"kilojoule", "1000"},
      {"kilowatthour", "3600000"},
      {"mega-electron-volt", "1.6021892 E-13"},
      {"watthour", "3600"}}},
    {"Flow",
     "(L/s)",
     {{"liter per second", "1"},
      {"cubic meter per hour", "0.2777777778"},
      {"cubic meter per minute", "16.666666667"},
      {"cubic meter per second", "1000"},
      {"gallon per hour", "0.001051503334"},
      {"gallon per minute", "0.0630902"},
      {"gallon per second", "3.785412"},
      {"liter per hour", "0.0002777777778"},
      {"liter per minute ", "0.01666666667"}}},
    {"Length",
     "(m)",
     {{"meter", "1"},
      {"astronomical unit", "149600000000"},
      {"centimeter", "0.01"},
      {"decimeter", "0.1"},
      {"foot", "0.3048"},
      {"inch", "0.0254"},
      {"kilometer", "1000"},
      {"light year", "9461000000000000"},
      {"micrometer", "0.000001"},
      {"mile", "1609.344"},
      {"millimeter", "0.001"},
      {"nautical mile", "1852"},
      {"yard", "0.9144"}}},
    {"Mass",
     "(kg)",
     {{"kilogram", "1"},
      {"gram", "0.001"},
      {"milligram", "0.000001"},
      {"ounce", "0.028349523125"},
      {"pound", "0.45359237"},
      {"ton", "1000"}}},
    {"Power",
     "(W)",
     {{"watt", "1"},
      {"horse power", "735.499"},
      {"kilocalories per second", "4186.8"},
      {"kilowatt", "1000"}}},
    {"Pressure",
     "(Pa)",
     {{"pascal", "1"},
      {"bar", "100000"},
      {"kilopascal", "1000"},
      {"millibar", "100"},
      {"millimeter of mercury", "133.322"},
      {"millimeter of water", "9.80665"},
      {"normal atmosphere", "101325"},
      {"technical atmosphere", "98066.5"}}},
    {"Speed",
     "(m/s)",
     {{"meter per second", "1"},
      {"kilometer per hour", "0.2777777777"},
      {"kilometer per second", "1000"},
      {"knot", "0.51444444444"},
      {"mile per hour", "0.44704"},
      {"nautical mile per hour", "0.51444444444"},
      {"speed of light", "299792458"},
      {"speed of sound", "339.7222222"}}},
    {"Temperature",
     "(°)",
     {{"celsius", "1"}, {"fahrenheit", "0.555555555 - 17.777777777"}, {"kelvin", "1 - 273.15"}}},
    {"Time",
     "(s)",
     {{"second", "1"},
      {"day", "86400"},
      {"hour", "3600"},
      {"millisecond", "0.001"},
      {"minute", "60"},
      {"mon", "2592000"},
      {"week", "604800"},
      {"year", "31536000"}}},
    {"Volume",
     "(dm3)",
     {{"cubic decimeter", "1"},
      {"cubic centimeter", "0.001"},
      {"cubic foot", "28.31684659"},
      {"cubic inch", "0.016387064"},
      {"cubic meter", "1000"},
      {"cubic millimeter", "0.000001"},
      {"cubic yard", "764.554858"},
      {"gallon", "3.785411784"},
      {"hectoliter", "100"},
      {"liter", "1"},
      {"milliliter", "0.001"}}},
};

const std::initializer_list<Pair> kPhysicalConstants{
    {"Absolute Zero (°C)", " -273.15"},
    {"Acceleration of Free Fall (m/s2)", " 9.80665"},
    {"Avogadro Constant (1/mol)", " 6.0221367 E23"},
    {"Base of Natural Logarithms ", " 2.718281828"},
    {"Bohr Magneton (J/T)", " 9.2740154 E-24"},
    {"Bohr Radius (m)", " 5.29177249 E-11"},
    {"Boltzmann Constant (J/K)", " 1.380658 E-23"},
    {"Classical Electron Radius (m)", " 2.81794092 E-15"},
    {"Dirac's Constant (Js)", " 1.0545887 E-34"},
    {"Electron Charge (C)", " 1.60217733 E-19"},
    {"Electron Mass (kg)", " 9.1093897 E-31"},
    {"Electron-Proton Mass Ratio", " 5.44617013 E-4"},
    {"Electronvolt (J)", " 1.6021892 E-19"},
    {"Faraday Constant (C/mol)", " 96485.309"},
    {"Feigenbaum's Constant", " 4.669210609102990"},
    {"Fine Structure Constant", " 7.29735308 E-3"},
    {"First Radiation Constant (W m2)", " 3.7417749 E-16"},
    {"Gravitational Constant (N m2/kg2)", " 6.67259 E-11"},
    {"Hartree Energy (J)", " 4.3597482 E-18 "},
    {"Hydrogen Rydberg Number (1/m)", " 1.0967758 E7"},
    {"Josephson Quotient (Hz/V)", " 4.8359767 E14"},
    {"Loschmidt Constant (1/m3) (T = 273.15 K, p = 100 kPa)", " 2.686763 E25 "},
    {"Magnetic Flux Quantum (Wb)", " 2.06783461 E-15 "},
    {"Molar Gas Constant (J/mol K)", " 8.314510 "},
    {"Molar Planck Constant (J s/mol)", " 3.99031323 E-10 "},
    {"Molar Volume (m3/mol) (Ideal Gas, T=273.15 K, p=101.325 kPa)", " 0.02241410 "},
    {"Normal Pressure (Pa)", " 101325 "},
    {"Nuclear Magneton (J/T)", " 5.0507866 E-27"},
    {"Permeability of Free Space (N/A2)", " 12.566370614 E-7"},
    {"Permittivity of Free Space (F/m)", " 8.854187817 E-12"},
    {"PI", " 3.1415926535897932"},
    {"Planck Constants (J s)", " 6.6260755 E-34"},
    {"Quantized Hall Conductance (S)", " 3.87404614 E-5"},
    {"Quantized Hall Resistance (Omega)", " 25812.8056 "},
    {"Quantum of Circulation (m2/s)", " 3.63694807 E-4"},
    {"Rydberg Constant (1/m)", " 10973731.534"},
    {"Second Radiation Constant (m K)", " 0.01438769"},
    {"Solar Constant (W/m2)", " 1400"},
    {"Speed of Light in a Vacuum (m/s)", " 299792458"},
    {"Speed of Sound in Air at STP (m/s)", " 340"},
    {"Stefan-Boltzmann Constant (W/m2 K4)", " 5.67051 E-8"},
    {"Thomson Cross Section (m2)", " 0.66524616 E-28"},
    {"Wien Displacement Law Constant (m K)", " 2.897756 E-3"},
};

const std::initializer_list<Pair> kPrefixes{
    {"eksa (E)", "18"}, {"peta (P)", "15"},  {"tera (T)", "12"},   {"giga (G)", "9"},
    {"mega (M)", "6"},  {"kilo (k)", "3"},   {"hekto (h)", "2"},   {"deka (da)", "1"},
    {"deci (d)", "-1"}, {"centi (c)", "-2"}, {"mili (m)", "-3"},   {"mikro (mikro)", "-6"},
    {"nano (n)", "-9"}, {"piko (p)", "-12"}, {"femto (f)", "-15"}, {"ato (a)", "-18"},
};

} // namespace

std::vector<std::string> siUnitsList() {
    std::vector<std::string> list;
    for (const Quantity& quantity : kSiUnits) {
        if (!list.empty()) {
            list.emplace_back(31, '_');
            list.emplace_back();
        }
        for (const auto& [unit, factor] : quantity.units) {
            std::string name(quantity.name);
            name.append(" - ").append(unit).append(" ").append(quantity.base);
            list.push_back(std::move(name));
            list.push_back(" " + std::string(factor));
        }
    }
    return list;
}

std::vector<std::string> physicalConstantsList() {
    std::vector<std::string> list;
    for (const auto& [name, value] : kPhysicalConstants) {
        list.emplace_back(name);
        list.emplace_back(value);
    }
    return list;
}

std::vector<std::string> siPrefixesList() {
    std::vector<std::string> list;
    for (const auto& [name, exponent] : kPrefixes) {
        list.push_back("Prefiks - " + std::string(name));
        list.push_back(" 1 E" + std::string(exponent));
    }
    return list;
}

std::optional<std::string> constantsBaseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t from = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.find('.', from);
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(path.substr(from, dot - from));
}

} // namespace zolvan
