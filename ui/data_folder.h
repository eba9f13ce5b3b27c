#pragma once
// Where the program finds its data files (the example task file): the data folder of the
// installation its binary belongs to, the program's own folder, and, for a program started from
// its build folder, the resources of the source tree. It reads no file.

#include <QString>
#include <QStringList>

namespace zolvan {

// The folders searched, in order.
QStringList dataFolders();

} // namespace zolvan
