#include "ui/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zolvan {

QStringList dataFolders() {
    const QDir binary(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(binary.filePath(QStringLiteral(ZOLVAN_DATA_FROM_BINARY))),
            QStringLiteral(ZOLVAN_SOURCE_RESOURCES)};
}

QString findDataFile(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.exists()) {
            return file.filePath();
        }
    }
    return {};
}

} // namespace zolvan
