#pragma once
// A window-services fake for workspace tests: a chosen decimal separator and clock seed, and a
// record of what the handlers asked of the window system.

#include "workspace/window_services.h"
#include "workspace/workspace.h"

#include <string>
#include <vector>

namespace zolvan::testing {

class FakeServices : public WindowServices {
public:
    char separator = '.';
    unsigned seed = 12345u;
    int eventPumps = 0;
    std::vector<bool> topmostCalls;

    char localeDecimalSeparator() override { return separator; }
    unsigned clockSeed() override { return seed; }
    void doEvents() override { ++eventPumps; }
    void setTopmost(bool on) override { topmostCalls.push_back(on); }
};

// A workspace after start-up, on a system with the given decimal separator.
struct StartedWorkspace {
    FakeServices services;
    Workspace w{services};

    explicit StartedWorkspace(char separator = '.') {
        services.separator = separator;
        w.Form_Load();
    }

    // Types a line into the input line and presses Enter.
    LineReport enter(std::string line) {
        w.txtUnosFormule.setText(std::move(line));
        return w.convertChem2Text();
    }
};

// The entries of a history list, newest first.
inline std::vector<std::string> entries(const ListBox& list) {
    return {list.items.begin(), list.items.end()};
}

} // namespace zolvan::testing
