#pragma once
// What the window asks of the view of each model unit: before a handler runs, the user's own
// edits into the unit (pull); afterwards, the unit shown again (sync). A view shows one unit and
// runs that unit's handlers for its widgets' events through the window's RunHandler, which pulls,
// runs and syncs. A sync writes a widget only where the unit differs from it, and walks a list
// only when the list's revision has moved, so that it costs what changed.

#include <functional>

namespace zolvan {

using RunHandler = std::function<void(const std::function<void()>& handler)>;

class UnitView {
public:
    virtual ~UnitView() = default;
    virtual void pull() {}
    virtual void sync() = 0;
};

} // namespace zolvan
