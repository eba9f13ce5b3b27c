#pragma once
// Three independent ways to present the window: the expanded width with the right-hand panels,
// the compact display-only mode, and always on top. Only the model changes here; the window binds
// to it, and the topmost state goes through the window services.

namespace zolvan {

class Workspace;

class WindowModes {
public:
    // Binds the View menu's three items to the handlers.
    explicit WindowModes(Workspace& workspace);
    WindowModes(const WindowModes&) = delete;
    WindowModes& operator=(const WindowModes&) = delete;

    void mnuExpand_Click();
    void mnuShort_Click() { toggleDisplayOnly(); }
    // Also the window key handler's F12, which works while the menus are hidden.
    void toggleDisplayOnly();
    void mnuTop_Click();

private:
    Workspace& m_ws;
};

} // namespace zolvan
