// The data folders the window searches for its example task file.

#include "ui/data_folder.h"

#include <gtest/gtest.h>

namespace zolvan {
namespace {

// The installed program looks in the data folder of its own installation first.
TEST(DataFolder, InstalledFolderLiesBesideTheBinaryFolder) {
    const QStringList folders = dataFolders();
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_TRUE(folders.first().endsWith(QStringLiteral("/share/zolvan")))
        << folders.first().toStdString();
}

} // namespace
} // namespace zolvan
