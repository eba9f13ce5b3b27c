#pragma once
// How a panel button looks, as the panel tables state it: its colour, its font and the grid cell
// it stands in. The window turns these into widgets; the handlers never read them.

#include <string_view>

namespace zolvan {

enum class ButtonColour {
    Default,   // the style's own button colour
    LightGrey, // RGB 224, 224, 224
    ToolTip,   // the system's tooltip background
    Grey,      // RGB 192, 192, 192
    LightRed,  // RGB 255, 192, 192
    LightGreen // RGB 192, 255, 192
};

enum class ButtonFont {
    Small,     // 9-point
    Large,     // 12-point
    LargeBold, // 12-point bold
    Symbol     // 9-point, a Greek letter or arrow as caption
};

// A picture button names its drawing; the window finds it as ":/pictures/<name>.svg".
struct ButtonLook {
    std::string_view picture; // empty for a caption button
    int row = 0;              // 1-based grid cell
    int column = 0;
    ButtonColour colour = ButtonColour::Default;
    ButtonFont font = ButtonFont::Small;
};

// The words a screen reader says for a button: its tooltip without the framing blanks, or its
// caption when it has no tooltip.
std::string_view spokenName(std::string_view caption, std::string_view toolTip);

} // namespace zolvan
