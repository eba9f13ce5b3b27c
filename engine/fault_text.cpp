#include "engine/fault_text.h"

#include "engine/fault.h"

#include <array>

namespace zolvan {

bool isFaultText(std::string_view text) {
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
