#pragma once
// Up and Down in the input line step through the earlier lines of the history, as in a shell:
// Up shows the next older line, Down the next newer one, and Down past the newest line brings
// back what the user was typing before the first Up.

#include "workspace/controls.h"

#include <cstddef>
#include <optional>
#include <string>

namespace zolvan {

class HistoryBrowser {
public:
    enum class Step { Older, Newer };

    // Puts the chosen line into the input line with the caret at its end. Nothing happens past
    // the oldest line, or on Newer while no earlier line is shown.
    void step(Step direction, const ListBox& lines, TextBox& line);
    // A new line was calculated or the history emptied: the next Up starts from the newest line.
    void restart() { m_position.reset(); }

private:
    std::optional<std::size_t> m_position; // index in the history of the line shown
    std::string m_draft;                   // what was typed before the first Up
};

} // namespace zolvan
