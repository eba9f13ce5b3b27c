#include "ui/data_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace zolvan {

QStringList dataFolders() {
    const QDir binary(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(binary.filePath(QStringLiteral(ZOLVAN_DATA_FROM_BINARY))),
            binary.path(), QStringLiteral(ZOLVAN_SOURCE_RESOURCES)};
}

} // namespace zolvan
