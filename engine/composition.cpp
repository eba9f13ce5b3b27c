#include "engine/composition.h"

#include "engine/ascii.h"
#include "engine/element_table.h"
#include "engine/isotope_table.h"
#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace zolvan {

using namespace ascii;

namespace {

constexpr std::size_t kElementCount = 109;
// Deeper brackets than any formula needs; it keeps a hostile line from exhausting the stack.
constexpr int kMaxDepth = 64;

using Counts = std::array<double, kElementCount>;

// One atom of the text: the row of its element and how many of it the line holds so far.
struct Atom {
    std::size_t element;
    double count;
};

std::optional<std::size_t> elementIndex(std::string_view symbol) {
    const Element* element = findElement(symbol);
    if (element == nullptr) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(element - elementTable().data());
}

bool isOpening(char c) {
    return c == '(' || c == '[' || c == '{';
}

bool isClosing(char c) {
    return c == ')' || c == ']' || c == '}';
}

// Recursive descent over the canonical text with the precedence the expanded arithmetic has:
// a symbol stands for "+weight", a count for "*count", so a count or a "*" binds to the one
// symbol or bracket next to it ("NaCl*2" is Na + 2 Cl, as the engine evaluates it).
//   sum     := product (("+" | a symbol or bracket starting) product)*
//   product := atom count* ("*" atom count*)*, with exactly one symbol or bracket among the atoms
//   atom    := number | symbol | bracket sum bracket
class Reader {
public:
    // `collect`: keep the atoms; without it the reader only tells whether the text is formula
    // material, which every formula line asks and which needs no memory.
    Reader(std::string_view text, char separator, bool collect = true)
        : m_text(text), m_separator(separator), m_collect(collect) {}

    // Every atom of the text with its count, in the order written.
    bool sum() {
        do {
            if (!product()) {
                return false;
            }
        } while (take('+') || startsMaterial());
        return true;
    }

    bool atEnd() const { return m_at == m_text.size(); }
    const std::vector<Atom>& atoms() const { return m_atoms; }

private:
    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    bool take(char c) {
        if (peek() != c) {
            return false;
        }
        ++m_at;
        return true;
    }

    bool startsNumber() const { return isDigit(peek()) || peek() == m_separator; }
    bool startsMaterial() const { return isUpper(peek()) || isOpening(peek()); }

    // A positive number: digits with at most one decimal separator.
    std::optional<double> number() {
        const std::size_t start = m_at;
        // The usual count, a few digits without a separator, needs no general reading.
        double whole = 0.0;
        while (isDigit(peek()) && m_at - start < 9) {
            whole = whole * 10.0 + (peek() - '0');
            ++m_at;
        }
        if (m_at > start && !startsNumber()) {
            return whole > 0.0 ? std::optional(whole) : std::nullopt;
        }
        const std::size_t length =
            scanNumber(m_text.substr(start), m_separator, {.sign = false, .exponent = false})
                .length;
        m_at = start + length;
        const std::optional<double> value = readNumber(m_text.substr(start, length), m_separator);
        if (!value || !(*value > 0.0) || !std::isfinite(*value)) {
            return std::nullopt;
        }
        return value;
    }

    // The atoms of the product's one symbol or bracket are scaled by all its numbers at the end.
    bool product() {
        const std::size_t first = m_atoms.size();
        double multiplier = 1.0;
        bool material = false;
        do {
            if (startsNumber()) {
                const std::optional<double> n = number();
                if (!n) {
                    return false;
                }
                multiplier *= *n;
                continue;
            }
            if (material || !startsMaterial()) {
                return false; // two masses multiplied, or no operand
            }
            material = true;
            if (!(isUpper(peek()) ? symbol() : bracket())) {
                return false;
            }
            while (startsNumber()) { // the count written after a symbol or a bracket
                const std::optional<double> n = number();
                if (!n) {
                    return false;
                }
                multiplier *= *n;
            }
        } while (take('*'));
        if (!material) {
            return false; // a bare number added to a mass
        }
        for (std::size_t i = first; m_collect && i < m_atoms.size(); ++i) {
            m_atoms[i].count *= multiplier;
        }
        return true;
    }

    bool symbol() {
        const std::size_t start = m_at++;
        if (isLower(peek())) {
            ++m_at;
        }
        const std::string_view name = m_text.substr(start, m_at - start);
        if (!m_collect) {
            return findElement(name) != nullptr; // only whether it is an element matters
        }
        const std::optional<std::size_t> index = elementIndex(name);
        if (!index) {
            return false;
        }
        m_atoms.push_back({*index, 1.0});
        return true;
    }

    bool bracket() {
        if (++m_depth > kMaxDepth) {
            return false;
        }
        ++m_at;
        if (!sum() || !isClosing(peek())) {
            return false;
        }
        ++m_at;
        --m_depth;
        return true;
    }

    std::string_view m_text;
    char m_separator;
    bool m_collect;
    std::size_t m_at = 0;
    int m_depth = 0;
    std::vector<Atom> m_atoms;
};

// One pass over the usual formula lines ("H2SO4", "2*(H2O)+(NaCl)", "K4[Fe(CN)6]") with the
// Reader's grammar and no recursion: a bracket is always its outer product's mass, so only the
// depth needs keeping. It accepts a text only when the Reader does too; a text it is unsure of
// (a decimal or long count, anything the Reader would refuse) is left to the Reader.
class PlainFormulaScan {
public:
    PlainFormulaScan(std::string_view text, char separator)
        : m_text(text), m_separator(separator) {}

    bool accepts() {
        while (m_at < m_text.size()) {
            if (!step(m_text[m_at])) {
                return false;
            }
        }
        return m_depth == 0 && !m_expectItem && m_material;
    }

private:
    bool step(char c) {
        if (isUpper(c) || isOpening(c)) {
            return mass(c);
        }
        if (isClosing(c)) {
            return closing();
        }
        if (c == '*' && !m_expectItem) {
            m_expectItem = true;
            ++m_at;
            return true;
        }
        if (c == '+' && !m_expectItem && m_material) {
            m_material = false;
            m_expectItem = true;
            ++m_at;
            return true;
        }
        if (isDigit(c) && m_expectItem) {
            m_expectItem = false;
            return count();
        }
        return false;
    }

    // A symbol, or a bracket opening a sum of its own.
    bool mass(char c) {
        if (m_expectItem ? m_material : !m_material) {
            return false; // two masses multiplied, or a bare number before a mass
        }
        if (isOpening(c)) {
            ++m_at;
            m_material = false;
            m_expectItem = true;
            return ++m_depth <= kMaxDepth;
        }
        const std::size_t start = m_at++;
        m_at += m_at < m_text.size() && isLower(m_text[m_at]) ? 1 : 0;
        return findElement(m_text.substr(start, m_at - start)) != nullptr && countAfterMass();
    }

    bool closing() {
        if (m_depth == 0 || m_expectItem || !m_material) {
            return false;
        }
        --m_depth;
        ++m_at;
        return countAfterMass();
    }

    bool countAfterMass() {
        m_material = true;
        m_expectItem = false;
        const bool counted =
            m_at < m_text.size() && (isDigit(m_text[m_at]) || m_text[m_at] == m_separator);
        return !counted || count();
    }

    // A count the Reader takes without its general reading: 1 to 9 digits, not all zeros,
    // followed by neither a digit nor the separator.
    bool count() {
        const std::size_t start = m_at;
        bool nonzero = false;
        for (; m_at < m_text.size() && isDigit(m_text[m_at]); ++m_at) {
            nonzero = nonzero || m_text[m_at] != '0';
        }
        const bool separatorFollows = m_at < m_text.size() && m_text[m_at] == m_separator;
        return m_at - start <= 9 && nonzero && !separatorFollows;
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    int m_depth = 0;
    bool m_material = false;  // the product being read has its symbol or bracket
    bool m_expectItem = true; // at the start of a product or after "*"
};

// Carbon first and hydrogen second when there is carbon; every other symbol alphabetically.
bool hillBefore(const ElementShare& a, const ElementShare& b, bool carbon) {
    const auto rank = [carbon](std::string_view s) {
        if (carbon && s == "C") {
            return 0;
        }
        return carbon && s == "H" ? 1 : 2;
    };
    const int ra = rank(a.symbol);
    const int rb = rank(b.symbol);
    return ra != rb ? ra < rb : a.symbol < b.symbol;
}

// Percentages in hundredths that add up to exactly 100.00: each share is rounded down and the
// hundredths still missing go to the largest remainders.
void roundPercents(std::vector<ElementShare>& shares, double mass) {
    std::vector<double> remainders(shares.size());
    long long total = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const double hundredths = shares[i].contribution / mass * 10000.0;
        const double whole = std::floor(hundredths);
        remainders[i] = hundredths - whole;
        shares[i].percent = whole;
        total += static_cast<long long>(whole);
    }
    std::vector<std::size_t> order(shares.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
    for (std::size_t k = 0; total < 10000 && k < order.size(); ++k, ++total) {
        shares[order[k]].percent += 1.0;
    }
    for (ElementShare& share : shares) {
        share.percent /= 100.0;
    }
}

bool isWhole(double x) {
    return std::abs(x - std::round(x)) < 1e-6;
}

// The counts in their smallest whole ratio: fractional counts are first scaled to whole
// numbers (by at most 1000), then divided by their greatest common divisor. Counts that no such
// scale makes whole are left as they are.
std::vector<double> smallestRatio(const std::vector<ElementShare>& shares) {
    std::vector<double> counts;
    for (const ElementShare& share : shares) {
        counts.push_back(share.count);
    }
    int scale = 1;
    while (scale <= 1000 && !std::all_of(counts.begin(), counts.end(), [scale](double c) {
               return isWhole(c * scale) && c * scale < 1e15;
           })) {
        ++scale;
    }
    if (scale > 1000) {
        return counts;
    }
    long long divisor = 0;
    for (double c : counts) {
        divisor = std::gcd(divisor, std::llround(c * scale));
    }
    for (double& c : counts) {
        c = static_cast<double>(std::llround(c * scale) / std::max(divisor, 1LL));
    }
    return counts;
}

std::string formulaText(const std::vector<ElementShare>& shares, const std::vector<double>& counts,
                        char separator) {
    std::string text;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        text += shares[i].symbol;
        text += countText(counts[i], separator);
    }
    return text;
}

} // namespace

std::string countText(double count, char decimalSeparator) {
    if (count == 1.0) {
        return {};
    }
    if (count == std::floor(count) && count < 1e15) {
        return std::to_string(static_cast<long long>(count));
    }
    return numberText(count, decimalSeparator);
}

bool isFormulaMaterial(std::string_view canonical, char decimalSeparator) {
    // Formula material names an element, so a line without a capital is none: most lines are
    // told apart by this one pass.
    if (std::none_of(canonical.begin(), canonical.end(), isUpper)) {
        return false;
    }
    if (PlainFormulaScan(canonical, decimalSeparator).accepts()) {
        return true;
    }
    Reader reader(canonical, decimalSeparator, false);
    return reader.sum() && reader.atEnd();
}

std::optional<Composition> compositionOf(std::string_view canonical, char decimalSeparator) {
    Reader reader(canonical, decimalSeparator);
    if (!reader.sum() || !reader.atEnd()) {
        return std::nullopt;
    }
    Counts counts{};
    for (const Atom& atom : reader.atoms()) {
        counts[atom.element] += atom.count;
    }
    Composition result;
    const auto table = elementTable();
    bool carbon = false;
    for (std::size_t i = 0; i < kElementCount; ++i) {
        if (counts[i] > 0.0) {
            const double weight = table[i].weight;
            result.elements.push_back({table[i].symbol, counts[i], weight, counts[i] * weight});
            result.mass += counts[i] * weight;
            carbon = carbon || table[i].symbol == "C";
        }
    }
    if (result.elements.empty() || !std::isfinite(result.mass) || !(result.mass > 0.0)) {
        return std::nullopt;
    }
    std::sort(result.elements.begin(), result.elements.end(),
              [carbon](const ElementShare& a, const ElementShare& b) {
                  return hillBefore(a, b, carbon);
              });
    roundPercents(result.elements, result.mass);
    std::vector<double> all;
    for (const ElementShare& share : result.elements) {
        all.push_back(share.count);
    }
    result.formula = formulaText(result.elements, all, decimalSeparator);
    result.empirical =
        formulaText(result.elements, smallestRatio(result.elements), decimalSeparator);
    return result;
}

ExactMass exactMassOf(const Composition& composition) {
    ExactMass exact;
    double monoisotopic = 0.0;
    double nominal = 0.0;
    std::string lacking;
    for (const ElementShare& share : composition.elements) {
        const Isotope* isotope = mostAbundantIsotope(share.symbol);
        if (isotope == nullptr || isotope->massNumber == 0) {
            lacking += (lacking.empty() ? "" : ", ") + std::string(share.symbol);
            continue;
        }
        monoisotopic += share.count * isotope->mass;
        nominal += share.count * isotope->massNumber;
    }
    if (!lacking.empty()) {
        exact.missing = "No natural isotope of " + lacking;
        return exact;
    }
    exact.monoisotopic = monoisotopic;
    exact.nominal = nominal;
    const auto mass = [](std::string_view symbol) { return mostAbundantIsotope(symbol)->mass; };
    const double proton = mass("H") - kElectronMass;
    exact.ions = {
        {"[M+H]+", monoisotopic + proton},
        {"[M+Na]+", monoisotopic + mass("Na") - kElectronMass},
        {"[M+K]+", monoisotopic + mass("K") - kElectronMass},
        {"[M+NH4]+", monoisotopic + mass("N") + 4.0 * mass("H") - kElectronMass},
        {"[M-H]-", monoisotopic - proton},
        {"[M+Cl]-", monoisotopic + mass("Cl") + kElectronMass},
    };
    return exact;
}

} // namespace zolvan
