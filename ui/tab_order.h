#pragma once
// The keyboard walk over the window's keys. Keys are reached with Tab and pressed with Space, but
// a click on one leaves the focus in the input line, where typing goes on.

#include <QWidget>

#include <vector>

namespace zolvan {

void makeTabReachable(const std::vector<QWidget*>& keys);

// Puts `widgets` on the Tab walk right after `after`, as a reader scans them: row by row from the
// top, left to right within a row. Returns the last of them (or `after` when there are none).
QWidget* chainInReadingOrder(QWidget* after, std::vector<QWidget*> widgets);

} // namespace zolvan
