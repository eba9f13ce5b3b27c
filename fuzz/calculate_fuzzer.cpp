// Feeds arbitrary lines through the engine with varying settings. Any crash, hang or sanitizer
// report is a fault: the engine must turn every input into a result text.
#include "engine/calculate.h"
#include "engine/engine_state.h"
#include "engine/format_number.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t settings = data[0];
    zolvan::EngineState state;
    state.AngleUnit = static_cast<std::int16_t>(settings % 3);
    state.DecimalSeparator = (settings & 0x04) != 0 ? ',' : '.';
    state.ThousandsSeparator = (settings & 0x08) != 0;
    state.ShowSeparators = (settings & 0x10) == 0;
    state.MemoryValue = (settings & 0x20) != 0 ? 12.5 : 0.0;

    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    // Each line is one Enter press; state carries over as it does in the window.
    while (true) {
        const auto end = rest.find('\n');
        state.InputLine = std::string(rest.substr(0, end));
        calculateExpression(state);
        // The calculate command's cycle: a shown table turns back into an ordinary result.
        state.CalcKind = static_cast<std::int16_t>(state.CalcKind > 0 ? -state.CalcKind : 0);
        for (std::int16_t mode = 0; mode <= 3; ++mode) {
            (void)zolvan::formatNumber(state.ResultText, mode, "000", (settings & 0x40) != 0,
                                       state.ElementDecimals, state.DecimalSeparator);
        }
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return 0;
}
