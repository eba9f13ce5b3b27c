#include "engine/fault_text.h"

#include "engine/ascii.h"
#include "engine/fault.h"

#include <array>

namespace zolvan {

using ascii::isDigit;

bool isFaultText(std::string_view text) {
    // Every number starts with a digit, a sign or a separator; no message does.
    if (text.empty() || isDigit(text.front()) || text.front() == '-' || text.front() == '.' ||
        text.front() == ',') {
        return false;
    }
    static constexpr std::array kMessages{
        msg::MissingRightBracket, msg::MissingLeftBracket,  msg::RootOfNegative,
        msg::DivideByZero,        msg::SyntaxError,         msg::ResultTooLarge,
        msg::NegativeFactorial,   msg::ArgumentRange,       msg::LogOfNegative,
        msg::LogOfZero,           msg::InfiniteNumber,      msg::NoValidData,
        msg::OnlyPlusSeparates,   msg::OnlyPlusDifferences, msg::NoDataForCalculate,
    };
    for (std::string_view message : kMessages) {
        if (text == message) {
            return true;
        }
    }
    return text.starts_with("Error") || text.ends_with(msg::NotElementSymbol);
}

} // namespace zolvan
