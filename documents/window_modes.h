#pragma once
// Independent ways to present the window: the expanded width with the right-hand panels, the
// compact display-only mode, always on top, and the zoom. Only the model changes here; the window
// binds to it, and the topmost state goes through the window services. The zoom scales widgets,
// which only the window can do: it gives the zoom items their command and enables them.

#include "workspace/controls.h"

namespace zolvan {

class Workspace;

class WindowModes {
public:
    // Binds the View menu's items to the handlers.
    explicit WindowModes(Workspace& workspace);
    WindowModes(const WindowModes&) = delete;
    WindowModes& operator=(const WindowModes&) = delete;

    MenuItem mnuTop; // "Always On &Top"
    // Zoom In, Zoom Out and Actual Size; their keys work in every mode.
    MenuItem mnuZoomIn, mnuZoomOut, mnuActualSize;

    void mnuExpand_Click();
    void mnuShort_Click() { toggleDisplayOnly(); }
    // Also the window key handler's F12, which works while the menus are hidden.
    void toggleDisplayOnly();
    void mnuTop_Click();

private:
    Workspace& m_ws;
};

} // namespace zolvan
