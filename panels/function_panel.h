#pragma once
// The function panel of the Classic side view: the button array cmdFunction (0 to 35). A function
// button wraps an operand (the selection, else the whole input line, else the number on display)
// and writes the piece back into the input line; others insert a constant, enter a data value,
// or insert a statistic of the data series. Its messages go to the current result label only.

#include "panels/button_design.h"
#include "workspace/controls.h"

#include <array>
#include <string>
#include <string_view>

namespace zolvan {

class Workspace;

enum class FunctionAction {
    Wrap,  // before & operand & after
    Power, // operand ^ exponent
    Root,  // operand ^(1/ exponent)
    Constant,
    DataEntry,
    Statistics, // the ":sum(...)" command text of the data series
    Sum,
    SumOfSquares,
    PopulationDeviation,
    SampleDeviation,
    Count,
    Mean
};

struct FunctionKey {
    std::string_view caption; // empty for a picture button
    std::string_view toolTip;
    FunctionAction action;
    std::string_view before; // Wrap: text before the operand; Constant: the constant
    std::string_view after;
    ButtonLook look;
};

inline constexpr int kFunctionKeys = 36;
extern const std::array<FunctionKey, kFunctionKeys> kFunctionPanel;

// The grid inside the panel in twips; buttons about 600 wide.
inline constexpr std::array<int, 6> kFunctionColumnLeft{-10, 590, 1190, 1785, 2370, 2955};
inline constexpr std::array<int, 7> kFunctionRowTop{1700, 2060, 2550, 2940, 3415, 3900, 4380};
inline constexpr std::array<int, 7> kFunctionRowHeight{375, 375, 400, 500, 500, 500, 500};
inline constexpr int kFunctionKeyWidth = 600;

class FunctionPanel {
public:
    // `power` is the exponent field of the power and root buttons.
    FunctionPanel(Workspace& workspace, const TextBox& power);
    FunctionPanel(const FunctionPanel&) = delete;
    FunctionPanel& operator=(const FunctionPanel&) = delete;

    std::array<CommandButton, kFunctionKeys> cmdFunction; // function panel buttons
    Label Label1;                                         // the panel's static note

    void cmdFunction_Click(int index);
    void cmdFunction_MouseMove(int index);

private:
    // The operand of button `index`; may select the whole input line.
    std::string operandText(int index);
    void dataEntry();
    // Inserts a statistic of the data series, or shows the message when it has none.
    void statistic(FunctionAction action);
    void showMessage(std::string_view message);

    Workspace& m_ws;
    const TextBox& m_power;
};

} // namespace zolvan
