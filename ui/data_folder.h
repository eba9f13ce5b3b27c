#pragma once
// Where the program finds its data files (the example task file, the help): the data folder of
// the installation its binary belongs to, or, for a program started from its build folder, the
// resources of the source tree. It reads no file.

#include <QString>
#include <QStringList>

namespace zolvan {

// The folders searched, in order.
QStringList dataFolders();

// The path of `name` in the first of `folders` that holds it; empty when none does.
QString findDataFile(const QString& name, const QStringList& folders = dataFolders());

} // namespace zolvan
