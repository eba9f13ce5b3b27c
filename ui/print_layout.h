#pragma once
// The printed task list as a document: inside margins of at least 20 mm (more where the printer
// or the user's page set-up asks for more), a heading with the program's name and the date and
// time of printing, then one row per entry, wrapped at the width of the paper, the continuation
// indented. A row that does not fit on the page goes on on the next. What is printed is the
// model's business; this only lays it out.

#include <QDateTime>
#include <QStringList>

class QPainter;
class QPrinter;

namespace zolvan {

inline constexpr double kPrintMarginMm = 20.0;

// Widens the printer's page margins to at least kPrintMarginMm on every side, and names the
// document (a PDF file's title) after the program.
void prepareDocument(QPrinter& printer);

// Paints the heading and `rows` onto the printer's pages with the painter begun on it. False when
// a new page could not be started.
bool paintTaskList(QPainter& painter, QPrinter& printer, const QDateTime& printedAt,
                   const QStringList& rows);

} // namespace zolvan
