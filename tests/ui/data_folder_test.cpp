// Data files are looked up folder by folder; the first folder that holds the file wins.

#include "ui/data_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zolvan {
namespace {

struct LookupCase {
    const char* name;
    bool inInstalled;
    bool inSource;
    const char* expectedFolder; // "installed", "source" or "" for none
};

class DataFolderTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(DataFolderTest, FindsTheFileInTheFirstFolderThatHoldsIt) {
    const LookupCase& c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString installed = root.filePath(QStringLiteral("installed"));
    const QString source = root.filePath(QStringLiteral("source"));
    for (const auto& [folder, holds] :
         {std::pair{installed, c.inInstalled}, {source, c.inSource}}) {
        QDir().mkpath(folder);
        if (holds) {
            QFile file(QDir(folder).filePath(QStringLiteral("Example.tsk")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    const QString found = findDataFile(QStringLiteral("Example.tsk"), {installed, source});
    const QString expected =
        *c.expectedFolder == '\0'
            ? QString()
            : QDir(root.filePath(QLatin1String(c.expectedFolder))).filePath("Example.tsk");
    EXPECT_EQ(found.toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Lookup, DataFolderTest,
                         ::testing::Values(LookupCase{"Installed", true, false, "installed"},
                                           LookupCase{"SourceOnly", false, true, "source"},
                                           LookupCase{"InstalledFirst", true, true, "installed"},
                                           LookupCase{"Nowhere", false, false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// The installed program looks in the data folder of its own installation first.
TEST(DataFolder, InstalledFolderLiesBesideTheBinaryFolder) {
    const QStringList folders = dataFolders();
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_TRUE(folders.first().endsWith(QStringLiteral("/share/zolvan")))
        << folders.first().toStdString();
}

} // namespace
} // namespace zolvan
