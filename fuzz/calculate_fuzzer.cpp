// Feeds arbitrary lines through what a user runs: the window model's calculate command (with its
// "#" command lines, display, history and number settings) and both output writers of
// zolvan-cli. The first bytes choose the settings. Any crash, hang, sanitizer report or escaped
// exception is a fault, and so is output that is not well-formed UTF-8 or that carries a raw
// control character.
#include "cli/cli_output.h"
#include "cli/line_reader.h"
#include "engine/utf8.h"
#include "ui/window_model.h"
#include "workspace/headless_services.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace zolvan;

constexpr std::size_t kSettingBytes = 3;

constexpr std::array<double, 8> kMemoryValues{
    0.0, 12.5, -3.0, 1e300, -1e-300, 2.5e15, 0.1, std::numeric_limits<double>::max()};

struct Settings {
    char separator;
    int mode;     // 0 automatic, 1 scientific, 2 fixed
    int decimals; // 0 to 12
    bool thousands;
    int angle; // 0 radians, 1 degrees, 2 grads
    bool showSeparators;
    double memory;
};

Settings readSettings(const std::uint8_t* data) {
    return Settings{
        (data[0] & 0x01) != 0 ? ',' : '.',
        (data[0] >> 1) % 3,
        data[1] % 13,
        (data[0] & 0x08) != 0,
        (data[0] >> 4) % 3,
        (data[0] & 0x40) == 0,
        kMemoryValues[data[2] % kMemoryValues.size()],
    };
}

// Well-formed UTF-8 throughout; `plain` output may hold no control character at all, JSON output
// none below U+0020 (the line end is added by the tool after the writer).
void checkOutput(std::string_view out, bool plain) {
    while (!out.empty()) {
        const Utf8Step step = decodeUtf8(out);
        const char32_t c = step.codePoint;
        if (!step.valid || c < 0x20 || (plain && c >= 0x7F && c <= 0x9F)) {
            std::abort();
        }
        out.remove_prefix(step.length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kSettingBytes) {
        return 0;
    }
    const Settings settings = readSettings(data);
    HeadlessServices services(settings.separator);
    WindowModel model(services);
    Workspace& ws = model.workspace;
    ws.Form_Load();
    ws.engine.Random.seed(1); // the clock seeds it at start-up: keep runs repeatable
    ws.engine.ShowSeparators = settings.showSeparators;
    ws.numberSettings.selectDisplayMode(settings.mode);
    ws.numberSettings.typeDecimals(std::to_string(settings.decimals));
    ws.numberSettings.setThousandsSeparator(settings.thousands);
    ws.numberSettings.selectAngleUnit(settings.angle);
    ws.engine.MemoryValue = settings.memory;
    ws.applyMemoryIndicator();

    // Each line is one Enter press, split and filtered as zolvan-cli does; state carries over.
    std::string out;
    cli::LineSplitter splitter([&](std::string& line, bool) {
        ws.txtUnosFormule.setText(wellFormedUtf8(line));
        const LineReport report = ws.convertChem2Text();
        out.clear();
        cli::appendTaskLine(out, report);
        checkOutput(out, true);
        out.clear();
        cli::appendJsonLine(out, report, ws);
        checkOutput(out, false);
        out.clear();
        cli::appendHintLines(out, report);
        std::erase(out, '\n'); // each hint line ends with one; no other may appear
        checkOutput(out, true);
        out.clear();
        cli::appendCompositionBlock(out, report, ws);
        for (std::string_view rest = out; !rest.empty();) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            checkOutput(rest.substr(0, end), true);
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        // The Composition view's texts and its form, as the window shows them after each line.
        const CompositionPanel& composition = model.compositionPanel;
        checkOutput(composition.heading() + composition.molarMassText() + composition.weighAnswer(),
                    true);
    });
    splitter.feed(std::string_view(reinterpret_cast<const char*>(data + kSettingBytes),
                                   size - kSettingBytes));
    splitter.finish();
    return 0;
}
