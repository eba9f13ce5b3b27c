#include "workspace/composition_text.h"

#include "engine/number_text.h"
#include "workspace/controls.h"

#include <algorithm>

namespace zolvan {

std::vector<CompositionRow> compositionRows(const Composition& composition, char separator) {
    std::vector<CompositionRow> rows{{"Element", "Atoms", "Atomic weight", "Mass", "Mass %"}};
    for (const ElementShare& share : composition.elements) {
        rows.push_back({std::string(share.symbol), numberText(share.count, separator),
                        numberText(share.atomicWeight, separator),
                        fixedText(share.contribution, 4, separator),
                        fixedText(share.percent, 2, separator)});
    }
    return rows;
}

std::vector<std::string> exactMassLines(const Composition& composition, char separator) {
    std::vector<std::string> lines{"Formula " + composition.formula};
    if (composition.empirical != composition.formula) {
        lines.push_back("Empirical formula " + composition.empirical);
    }
    lines.push_back("Molar mass " + fixedText(composition.mass, 4, separator) + " g/mol");
    const ExactMass exact = exactMassOf(composition);
    if (!exact.monoisotopic) {
        lines.push_back("No monoisotopic mass: " + exact.missing);
        return lines;
    }
    lines.push_back("Monoisotopic mass " + fixedText(*exact.monoisotopic, 5, separator) + " u");
    lines.push_back("Nominal mass " + numberText(*exact.nominal, separator));
    for (const IonMass& ion : exact.ions) {
        lines.push_back(std::string(ion.name) + " m/z " + fixedText(ion.mz, 5, separator));
    }
    return lines;
}

std::string compositionTabText(const Composition& composition, char separator) {
    std::string text;
    for (const CompositionRow& row : compositionRows(composition, separator)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += row[i];
            text += i + 1 < row.size() ? '\t' : '\n';
        }
    }
    for (const std::string& line : exactMassLines(composition, separator)) {
        text += line + '\n';
    }
    return text;
}

namespace {

std::size_t width(std::string_view text) {
    return static_cast<std::size_t>(codePointCount(text));
}

} // namespace

std::vector<std::string> alignedRows(const std::vector<CompositionRow>& rows, std::size_t gap) {
    std::array<std::size_t, 5> widths{};
    for (const CompositionRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], width(row[i]));
        }
    }
    std::vector<std::string> lines;
    for (const CompositionRow& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - width(row[i]), ' ');
            line += i == 0 ? row[i] + pad : std::string(gap, ' ') + pad + row[i];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string compositionBlock(const Composition& composition, char separator) {
    std::string text;
    for (const std::string& line : alignedRows(compositionRows(composition, separator), 2)) {
        text += "  " + line + '\n';
    }
    for (const std::string& line : exactMassLines(composition, separator)) {
        text += "  " + line + '\n';
    }
    return text;
}

} // namespace zolvan
