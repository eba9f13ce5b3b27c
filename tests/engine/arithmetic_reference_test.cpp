// Compares the engine's single-pass evaluator with a plain step-by-step rewriting of the text:
// the results and the data series must be identical for every text, well formed or not.

#include "engine/arithmetic.h"

#include "engine/engine_state.h"
#include "engine/number_text.h"
#include "reference_arithmetic.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {
namespace {

struct Settings {
    const char* name;
    char separator;
    bool grouping;
    std::int16_t angleUnit;
};

constexpr Settings kSettings[] = {
    {"Point", '.', false, 0},
    {"PointGroupedDegrees", '.', true, 1},
    {"CommaGrads", ',', false, 2},
    {"CommaGroupedDegrees", ',', true, 1},
};

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << settings.name;
}

EngineState stateFor(const Settings& settings) {
    EngineState state;
    state.DecimalSeparator = settings.separator;
    state.ThousandsSeparator = settings.grouping;
    state.AngleUnit = settings.angleUnit;
    state.AnsText = numberText(2.5, settings.separator);
    state.MemoryValue = -3.25;
    state.Random.seed(7u);
    return state;
}

// What one evaluation leaves behind: its result and the parts of the state it may change.
struct Outcome {
    std::string result;
    std::int16_t dataCount;
    std::vector<double> dataValues;
    std::minstd_rand random;

    bool operator==(const Outcome&) const = default;
};

template <typename Evaluate>
Outcome outcomeOf(Evaluate evaluate, const Settings& settings, std::string_view text) {
    EngineState state = stateFor(settings);
    std::string result = evaluate(state, text);
    return {std::move(result), state.DataCount, state.DataValues, state.Random};
}

Outcome engineOutcome(const Settings& settings, std::string_view text) {
    return outcomeOf(
        [](EngineState& state, std::string_view t) { return evaluateArithmetic(state, t); },
        settings, text);
}

Outcome referenceOutcome(const Settings& settings, std::string_view text) {
    return outcomeOf([](EngineState& state,
                        std::string_view t) { return reference::evaluateArithmetic(state, t); },
                     settings, text);
}

bool agrees(const Settings& settings, std::string_view text) {
    return engineOutcome(settings, text) == referenceOutcome(settings, text);
}

// Drops single characters while the two evaluators still disagree, so that a report shows a
// short text.
std::string shrunk(const Settings& settings, std::string text) {
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            std::string shorter = text.substr(0, i) + text.substr(i + 1);
            if (!agrees(settings, shorter)) {
                text = std::move(shorter);
                progress = true;
                break;
            }
        }
    }
    return text;
}

// The result and, when there is one, the data series, e.g. "12" data {5, 7}.
std::string outcomeText(const Outcome& outcome) {
    std::string text = "\"" + outcome.result + "\"";
    if (outcome.dataCount > 0) {
        text += " data {";
        for (std::size_t i = 1; i < outcome.dataValues.size(); ++i) {
            text += (i > 1 ? ", " : "") + numberText(outcome.dataValues[i], '.');
        }
        text += "}";
    }
    return text;
}

std::string describe(const Settings& settings, std::string_view text) {
    return std::string(settings.name) + " \"" + std::string(text) + "\": engine " +
           outcomeText(engineOutcome(settings, text)) + ", reference " +
           outcomeText(referenceOutcome(settings, text));
}

// Texts are written with "." as decimal separator and "," as group separator; for the comma
// settings the two are swapped.
std::string forSettings(std::string_view text, const Settings& settings) {
    std::string out(text);
    if (settings.separator == ',') {
        for (char& ch : out) {
            ch = ch == '.' ? ',' : ch == ',' ? '.' : ch;
        }
    }
    return out;
}

constexpr const char* kTrickyTexts[] = {
    // signs and exponents
    "-2^2",
    "2+-3",
    "-0^0.5",
    "--2*3",
    "1E+20+1E+20",
    "1E+20+1E+20+1E+20",
    "2E-5*3",
    "2.5E-07*2",
    "1E+20*1E+20",
    "1E20+1",
    "1E+",
    "1E+*2",
    "E+5",
    "2E+5E+5",
    "1e+5+1",
    "1E+999+1",
    "1E-999*1",
    "1.7E+308+1.7E+308",
    "0.1+0.2",
    "1,234+1",
    "1,234.5*2",
    "12,34+1",
    ".5+.5",
    "5.+1",
    // brackets in every error order
    "(2/0",
    "(2/0))",
    ")2(",
    "2+3)",
    "((",
    "1+(2",
    "()",
    "()2",
    "2()",
    "(())",
    "(1))(",
    "(1))",
    "((1)",
    "(2)(",
    ")(",
    "2)(1/0)",
    "(1/0)(",
    "(2(1/0)",
    "((2))",
    "(2+3)*4",
    "2*(3+(4*5))",
    "(1+2)*(3+4)",
    "2(3)",
    "(1)E+5",
    "2E(+5)",
    "-1*(2+3)",
    "(-2)^2",
    // operators at bracket ends and doubled
    "(*2)",
    "(2*)",
    "2*",
    "*2",
    "10+50%",
    "(10+50%)",
    "2**3",
    "2+*3",
    "^",
    "+",
    "2^",
    "(+)",
    // percent and power chains
    "50%10",
    "200%15",
    "200%15%10",
    "2+200%15*2",
    "8/2*4",
    "6*2/3",
    "10/4/5",
    "2^3^2",
    "-8^0.5",
    "-8^2",
    "-8^2^0.5",
    "2^-2^0.5",
    "-2^-2",
    "-8^1E-1",
    "0^-1",
    "2^1024",
    "-8^1,000",
    "2^0.5^2",
    "-1^0.5*0",
    "4^0.5%50",
    // functions and factorials
    ":sin30",
    ":sqrt-4",
    ":sqrt-4+1",
    ":sin30^2",
    "(:sin90)",
    ":sqrt(4*4)+1",
    "2*:cos180",
    ":sin:cos0",
    ":sin:cos90+1",
    ":sin:pi",
    ":pi",
    "2*:pi",
    ":sin:ans",
    ":cos:mem*2",
    "2+:ans",
    "5!",
    "171!",
    "170!",
    "170!*10",
    "(5!)",
    "(5!)!",
    "3!^2",
    "2^3!",
    "-1!",
    "3.7!",
    "0.5!",
    "-8^:sqrt4",
    "-8^:sqrt2",
    "2+:xyz5",
    "2+*:ln0",
    ":ln0+:log-1",
    "1+:tan90",
    ":cot0*2",
    ":sin3!",
    ":sin.5",
    "2:sin30",
    "-:sin30",
    ":sin",
    "!",
    ":",
    "2*:alog400",
    ":alog308.2547",
    ":alog308.25471555991",
    ":alog308.254715559916",
    ":exp709.78",
    ":ran5*2",
    "abc!",
    // function values next to operators: the value is used as its number text
    ":sqrt2^99",
    "-8^:atan1",
    "-8^:atan1E+20",
    ":abs1.7976931348623157E+308",
    // data entries
    ":dat5",
    ":dat5+:dat7",
    ":dat5+:datx",
    ":dat5*",
    "(:dat1+:dat2)*:dat3",
    ":dat5^:dat2/0",
    "2/0*:dat5",
    ":dat1,5+1",
    ":dat(1+1)",
    // messages from functions inside brackets
    "(1+:ln0)",
    "((2*:sqrt-1))+1",
    "(1/0)+:ln0",
    "(:ln0)/0",
    "(2+3",
    ":ln0+(2",
    // stray characters
    "2*x",
    "abc",
    "2 3",
    "1+ 2",
    "x(",
    ":sinx1",
    "2&3",
    "1..2",
    "1,,2",
};

class ArithmeticReferenceTableTest : public testing::TestWithParam<Settings> {};

TEST_P(ArithmeticReferenceTableTest, TrickyTextsAgree) {
    const Settings& settings = GetParam();
    for (const char* written : kTrickyTexts) {
        const std::string text = forSettings(written, settings);
        EXPECT_TRUE(agrees(settings, text)) << describe(settings, text);
    }
}

INSTANTIATE_TEST_SUITE_P(AllSettings, ArithmeticReferenceTableTest, testing::ValuesIn(kSettings),
                         [](const auto& info) { return std::string(info.param.name); });

// Random texts from the evaluator's input grammar: signed numbers with decimals, grouping and
// exponents, the five operators, bracket groups, function tokens and chains, factorials, and
// now and then a character inserted or deleted anywhere.
class TextGenerator {
public:
    TextGenerator(unsigned seed, char separator) : m_random(seed), m_separator(separator) {}

    std::string next() {
        std::string text;
        m_budget = between(1, 30);
        expression(text, 0);
        if (chance(0.25)) {
            mutate(text);
        }
        return text;
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    char pick(std::string_view from) {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
    }

    void digits(std::string& out, int low, int high) {
        for (int n = between(low, high); n > 0; --n) {
            out += static_cast<char>('0' + between(0, 9));
        }
    }

    void number(std::string& out) {
        if (chance(0.25)) {
            out += '-';
        }
        digits(out, 1, 3);
        if (chance(0.05)) {
            out += m_separator == '.' ? ',' : '.';
            digits(out, 3, 3);
        }
        if (chance(0.3)) {
            out += m_separator;
            digits(out, 0, 4);
        }
        if (chance(0.12)) {
            out += 'E';
            out += std::string_view("+-+-")[static_cast<std::size_t>(between(0, 3))];
            digits(out, 1, chance(0.1) ? 3 : 2);
        }
    }

    void functionToken(std::string& out) {
        static constexpr std::string_view kNames[] = {
            ":sin", ":cos",  ":tan", ":cot",  ":sqrt", ":ln",   ":log", ":dat", ":abs", ":int",
            ":sgn", ":alog", ":exp", ":asin", ":acos", ":atan", ":ppm", ":ran", ":xyz"};
        out +=
            kNames[static_cast<std::size_t>(between(0, static_cast<int>(std::size(kNames)) - 1))];
    }

    void operand(std::string& out, int depth) {
        --m_budget;
        const int kind = between(0, 11);
        if (kind <= 5 || (kind >= 9 && depth >= 4)) {
            number(out);
        } else if (kind == 6) {
            functionToken(out);
            if (chance(0.3)) {
                functionToken(out);
            }
            if (chance(0.15)) {
                static constexpr std::string_view kNamedValues[] = {":pi", ":ans", ":mem"};
                out += kNamedValues[static_cast<std::size_t>(between(0, 2))];
            } else {
                number(out);
            }
        } else if (kind == 7) {
            out += std::to_string(between(0, chance(0.1) ? 200 : 12));
            out += '!';
        } else if (kind == 8) {
            functionToken(out);
            bracket(out, depth);
        } else {
            if (chance(0.2)) {
                out += "-1*";
            }
            bracket(out, depth);
        }
    }

    void bracket(std::string& out, int depth) {
        out += '(';
        if (!chance(0.05)) {
            expression(out, depth + 1);
        }
        if (!chance(0.05)) {
            out += ')';
        }
    }

    void expression(std::string& out, int depth) {
        operand(out, depth);
        while (m_budget > 0 && chance(0.7)) {
            out += pick("^/*%++");
            operand(out, depth);
        }
    }

    void mutate(std::string& text) {
        for (int n = between(1, 3); n > 0; --n) {
            const auto at = static_cast<std::size_t>(between(0, static_cast<int>(text.size())));
            if (chance(0.5) && at < text.size()) {
                text.erase(at, 1);
            } else {
                text.insert(at, 1, pick("()()^*/%+-E!:x .,e0"));
            }
        }
    }

    std::mt19937 m_random;
    char m_separator;
    int m_budget = 0;
};

struct RandomRun {
    unsigned seed;
    Settings settings;
};

void PrintTo(const RandomRun& run, std::ostream* out) {
    *out << run.settings.name << " seed " << run.seed;
}

class ArithmeticReferenceRandomTest : public testing::TestWithParam<RandomRun> {};

// Every text gives the same outcome in both; both numbers and messages must be common among
// the generated texts, so that the comparison covers the value paths and the failure paths.
TEST_P(ArithmeticReferenceRandomTest, GeneratedTextsAgree) {
    constexpr int kTexts = 5000;
    constexpr int kReported = 10;
    const RandomRun& run = GetParam();
    TextGenerator generator(run.seed, run.settings.separator);
    int mismatches = 0;
    int numbers = 0;
    for (int i = 0; i < kTexts; ++i) {
        const std::string text = generator.next();
        const Outcome engine = engineOutcome(run.settings, text);
        if (engine == referenceOutcome(run.settings, text)) {
            numbers += readsAsNumber(engine.result, run.settings.separator) ? 1 : 0;
            continue;
        }
        if (++mismatches <= kReported) {
            ADD_FAILURE() << describe(run.settings, text)
                          << "\n  shortest: " << describe(run.settings, shrunk(run.settings, text));
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(numbers, kTexts / 5);
    EXPECT_LT(numbers, kTexts * 4 / 5);
}

std::vector<RandomRun> randomRuns() {
    std::vector<RandomRun> runs;
    for (const unsigned seed : {20240u, 31337u, 4242u, 77u}) {
        for (const Settings& settings : kSettings) {
            runs.push_back({seed, settings});
        }
    }
    return runs;
}

INSTANTIATE_TEST_SUITE_P(Seeds, ArithmeticReferenceRandomTest, testing::ValuesIn(randomRuns()),
                         [](const auto& info) {
                             return std::string(info.param.settings.name) + "Seed" +
                                    std::to_string(info.param.seed);
                         });

} // namespace
} // namespace zolvan
