#pragma once
// The main window's sizes in twips (15 twips to a screen pixel).

namespace zolvan::window_size {

inline constexpr int NormalWidth = 3690;
inline constexpr int ExpandedWidth = 7440; // the right-hand panels in view
inline constexpr int NormalHeight = 5950;
inline constexpr int CompactHeight = 2080; // display-only mode

} // namespace zolvan::window_size
