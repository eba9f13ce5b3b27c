#pragma once
// Formats a result text for display by mode. Messages and empty texts pass through unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

// mode: 0 automatic ("General Number"), 1 scientific, 2 fixed, 3 molecular weight (fixed with
// `digits` when elementDecimals < 10, else "General Number"). digits: one '0' per decimal place.
// thousands: in mode 2 selects the "Standard" format and ignores digits.
std::string formatNumber(std::string_view value, std::int16_t mode, std::string_view digits,
                         bool thousands, std::int16_t elementDecimals, char decimalSeparator);

// The same for a value already read: a finite double.
std::string formatValue(double value, std::int16_t mode, std::string_view digits, bool thousands,
                        std::int16_t elementDecimals, char decimalSeparator);

// The value of `text` (what readNumber gives) when the text is already what numberText writes
// for it: a plain decimal of at most 15 digits, no "-0", no leading zero before other integer
// digits, no separator first or last and no trailing zero after it; else nullopt. Most typed
// values are in this form.
std::optional<double> generalTextValue(std::string_view text, char decimalSeparator);

} // namespace zolvan
