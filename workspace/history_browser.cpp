#include "workspace/history_browser.h"

#include <limits>

namespace zolvan {

namespace {

void showWithCaretAtEnd(TextBox& line, std::string text) {
    line.setText(std::move(text));
    line.select(std::numeric_limits<int>::max(), 0);
}

} // namespace

void HistoryBrowser::step(Step direction, const ListBox& lines, TextBox& line) {
    const std::size_t count = lines.items().size();
    // The history may have been emptied or shortened since the line was shown.
    if (m_position && *m_position >= count) {
        m_position.reset();
    }
    if (direction == Step::Older) {
        if (count == 0 || (m_position && *m_position + 1 >= count)) {
            return;
        }
        if (!m_position) {
            m_draft = line.text();
        }
        m_position = m_position ? *m_position + 1 : 0;
        showWithCaretAtEnd(line, lines.items()[*m_position]);
        return;
    }
    if (!m_position) {
        return;
    }
    if (*m_position == 0) {
        m_position.reset();
        showWithCaretAtEnd(line, m_draft);
        return;
    }
    --*m_position;
    showWithCaretAtEnd(line, lines.items()[*m_position]);
}

} // namespace zolvan
