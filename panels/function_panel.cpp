#include "panels/function_panel.h"

#include "workspace/workspace.h"

#include <cmath>

namespace zolvan {

namespace {

using A = FunctionAction;
using C = ButtonColour;

constexpr int kFirstNonOperandKey = 22;
constexpr std::string_view kNoData = "No data for calculate!";

constexpr FunctionKey wrap(std::string_view caption, std::string_view toolTip,
                           std::string_view before, std::string_view after, int row, int column,
                           std::string_view picture = {}) {
    return {caption, toolTip, A::Wrap, before, after, {picture, row, column}};
}

constexpr FunctionKey constant(std::string_view caption, std::string_view toolTip,
                               std::string_view value, int column, std::string_view picture = {}) {
    return {caption, toolTip, A::Constant, value, {}, {picture, 7, column, C::LightGrey}};
}

constexpr FunctionKey data(std::string_view caption, std::string_view toolTip, A action, int row,
                           int column, std::string_view picture = {},
                           ButtonFont font = ButtonFont::Small) {
    return {caption, toolTip, action, {}, {}, {picture, row, column, C::LightGrey, font}};
}

} // namespace

const std::array<FunctionKey, kFunctionKeys> kFunctionPanel{{
    wrap("%", " Percent ", "", "/100", 3, 3),
    wrap({}, " Per mille ", "", "/1000", 3, 4, "per_mille"),
    wrap("ppm", " Parts per milion ", "", "/1000000", 3, 5),
    wrap("+ / -", " Sign change ", "-1*", "", 3, 6),
    {{}, " Power ", A::Power, {}, {}, {"power_y", 4, 1}},
    {{}, " Root ", A::Root, {}, {}, {"root_y", 4, 2}},
    wrap("sin", " Sine ", ":sin", "", 4, 3),
    wrap("cos", " Cosine ", ":cos", "", 4, 4),
    wrap("tan", " Tangent ", ":tan", "", 4, 5),
    wrap("cot", " Cotangent ", ":cot", "", 4, 6),
    wrap({}, " Square ", "", "^2", 5, 1, "square"),
    wrap({}, " Square root ", "", "^(1/2)", 5, 2, "square_root"),
    wrap("asin", " Arc sine ", ":asin", "", 5, 3),
    wrap("acos", " Arc cosine ", ":acos", "", 5, 4),
    wrap("atan", " Arc tangent ", ":atan", "", 5, 5),
    wrap("acot", " Arc cotangent ", ":acot", "", 5, 6),
    wrap("log", " Common logarithm ", ":log", "", 6, 1),
    wrap({}, " Common antilogarithm ", "10^", "", 6, 2, "ten_power"),
    wrap("ln", " Natural logarithm ", ":ln", "", 6, 3),
    wrap({}, " Natural antilogarithm ", "2.718281828^", "", 6, 4, "e_power"),
    wrap("1 / x", " Reciprocal ", "1/", "", 6, 5),
    wrap("x !", " Fractional ", "", "!", 6, 6),
    constant("F", " Faraday constant (C/mol) ", "96485.309", 1),
    constant("e", " elementary charge (C) ", "1.60217733 E-19", 2),
    constant("R", " molar gas constant (J/mol K) ", "8.314510", 3),
    constant("h", " Planck constant (J s) ", "6.626176 E-34", 4),
    constant({}, " molar volume (m3/mol) ", "0.02241383", 5, "molar_volume"),
    constant("L", " Avogadro constant (1/mol) ", "6.022045 E23", 6),
    data("dat", " Data entry ", A::DataEntry, 1, 3),
    data("sum", " Statistical calculations ", A::Statistics, 2, 3),
    data({}, " Sum of value ", A::Sum, 1, 4, "sum_x"),
    data({}, " Sum of square value ", A::SumOfSquares, 2, 4, "sum_x_squared"),
    data("σ", " Population standard deviation ", A::PopulationDeviation, 1, 5, {},
         ButtonFont::Symbol),
    data("s", " Sample standard deviation ", A::SampleDeviation, 2, 5),
    data("n", " Number of data ", A::Count, 1, 6),
    data({}, " Arithmetical mean ", A::Mean, 2, 6, "mean"),
}};

FunctionPanel::FunctionPanel(Workspace& workspace, const TextBox& power)
    : m_ws(workspace), m_power(power) {
    for (std::size_t i = 0; i < cmdFunction.size(); ++i) {
        cmdFunction[i].caption = kFunctionPanel[i].caption;
        cmdFunction[i].toolTip = kFunctionPanel[i].toolTip;
    }
    Label1.caption = "Classic calculator working only with result!";
    Label1.foreColour = {192, 0, 0};
}

std::string FunctionPanel::operandText(int index) {
    TextBox& line = m_ws.txtUnosFormule;
    std::string operand;
    if (line.selLength() > 0) {
        operand = line.selectedText();
    } else if (!line.text().empty()) {
        if (index < kFirstNonOperandKey) {
            line.select(0, codePointCount(line.text()));
        }
        operand = line.text();
    } else {
        // The number on display, as shown; no brackets are added to it.
        const std::string& shown = m_ws.lblRezultat[0].caption;
        return m_ws.readUserNumber(shown) ? shown : "???";
    }
    if (operand.find_first_of("+*/%^-") != std::string::npos) {
        operand = "(" + operand + ")";
    }
    return operand;
}

void FunctionPanel::cmdFunction_Click(int index) {
    if (index < 0 || index >= kFunctionKeys) {
        return;
    }
    const FunctionKey& key = kFunctionPanel[static_cast<std::size_t>(index)];
    const std::string operand = operandText(index);
    TextBox& line = m_ws.txtUnosFormule;
    m_ws.focusInput();
    switch (key.action) {
    case A::Wrap:
        line.insertAtCaret(std::string(key.before) + operand + std::string(key.after));
        break;
    case A::Power:
        line.insertAtCaret(operand + "^" + m_power.text());
        break;
    case A::Root:
        line.insertAtCaret(operand + "^(1/" + m_power.text() + ")");
        break;
    case A::Constant:
        line.insertAtCaret(key.before);
        break;
    case A::DataEntry:
        dataEntry();
        break;
    default:
        statistic(key.action);
        break;
    }
}

void FunctionPanel::dataEntry() {
    TextBox& line = m_ws.txtUnosFormule;
    if (!line.text().empty()) {
        m_ws.calculateLine(":dat(" + line.text() + ")");
    } else if (m_ws.readUserNumber(m_ws.engine.ResultText)) {
        m_ws.calculateLine(":dat" + m_ws.engine.ResultText);
    } else {
        showMessage("No valid data!");
    }
}

void FunctionPanel::statistic(FunctionAction action) {
    const EngineState& engine = m_ws.engine;
    const int n = engine.DataCount;
    if (n <= 0) {
        if (action == A::Count) {
            showMessage("No data!");
            m_ws.focus = FocusTarget::None; // this message leaves the focus where it was
        } else {
            showMessage(kNoData);
        }
        return;
    }
    double s1 = 0.0;
    double s2 = 0.0;
    std::string series;
    for (int i = 1; i <= n && i < static_cast<int>(engine.DataValues.size()); ++i) {
        const double x = engine.DataValues[static_cast<std::size_t>(i)];
        s1 += x;
        s2 += x * x;
        series += (i > 1 ? "+" : "") + m_ws.userNumberText(x);
    }
    // Rounding can leave the variance of equal values a hair below zero: that spread is none.
    const auto deviation = [&](double divisor) {
        return std::pow(std::max(0.0, (s2 - s1 * s1 / n) / divisor), 0.5);
    };
    double value = 0.0;
    switch (action) {
    case A::Statistics:
        m_ws.txtUnosFormule.insertAtCaret(":sum(" + series + ")");
        return;
    case A::Count:
        m_ws.txtUnosFormule.insertAtCaret(std::to_string(n));
        return;
    case A::Sum:
        value = s1;
        break;
    case A::SumOfSquares:
        value = s2;
        break;
    case A::PopulationDeviation:
        value = deviation(n);
        break;
    case A::SampleDeviation:
        if (n == 1) {
            showMessage("Must bee min. two data!");
            return;
        }
        value = deviation(n - 1);
        break;
    default:
        value = s1 / n;
        break;
    }
    m_ws.txtUnosFormule.insertAtCaret(m_ws.userNumberText(value));
}

void FunctionPanel::showMessage(std::string_view message) {
    m_ws.showMessage(message);
}

void FunctionPanel::cmdFunction_MouseMove(int /*index*/) {
    m_ws.hoverReset();
}

} // namespace zolvan
