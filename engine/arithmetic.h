#pragma once
// Evaluates pure arithmetic text by rewriting: innermost brackets first, inside them "^", "/",
// "*", "%", "+" in that order, each partial result written back as a number.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace zolvan {

struct EngineState;

// A number that whoever wrote an arithmetic text knows the value of: `length` characters at
// `position`, worth `value` (what reading them gives).
struct KnownNumber {
    std::size_t position;
    std::size_t length;
    double value;
};

// The known numbers of one text, in order of position. The evaluator takes them without reading
// their text again. Only the first kCapacity are kept: the others are read, to the same values.
class KnownNumbers {
public:
    static constexpr std::size_t kCapacity = 8;
    void add(std::size_t position, std::size_t length, double value) {
        if (m_count < kCapacity) {
            m_items[m_count++] = {position, length, value};
        }
    }
    void clear() { m_count = 0; }
    std::span<const KnownNumber> items() const { return {m_items.data(), m_count}; }

private:
    // Only the first m_count are ever read, so the rest is left as it is.
    std::array<KnownNumber, kCapacity> m_items;
    std::size_t m_count = 0;
};

// Returns the value in the pattern "#0.000000000000e-000", an empty text for an empty input, or
// a message. Operands that begin with ":" or end with "!" go to evaluateFunction (which may
// append to the data series); nothing else of the state is written.
std::string evaluateArithmetic(EngineState& state, std::string_view text);

// The same evaluation with the value kept as a number: what the text in the final pattern reads
// back as (13 significant digits), or the text evaluateArithmetic gives when that is no number
// (an empty text or a message).
std::variant<double, std::string> evaluateArithmeticValue(EngineState& state,
                                                          std::string_view text);

// The same, with numbers of `text` whose values are known.
std::variant<double, std::string> evaluateArithmeticValue(EngineState& state, std::string_view text,
                                                          std::span<const KnownNumber> known);

} // namespace zolvan
