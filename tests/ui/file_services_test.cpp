// Both implementations of the window services over the files that once hung or emptied: reading
// something that is not a regular file, and saving past a file-size limit.

#include "ui/qt_services.h"
#include "workspace/headless_services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QWidget>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zolvan::testing {
namespace {

namespace fs = std::filesystem;

// A window services implementation, built over a window of its own where it needs one.
struct Services {
    const char* name;
    std::function<std::unique_ptr<WindowServices>(QWidget&)> make;
};

const Services kServices[] = {
    {"Qt", [](QWidget& w) { return std::make_unique<QtServices>(w, QLocale::c()); }},
    {"Headless", [](QWidget&) { return std::make_unique<HeadlessServices>(); }},
};

// Names a row of a combined table after the implementation and the case.
constexpr auto bothNames = [](const auto& info) {
    return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
};

// A temporary folder that an unprivileged user can enter; `entries` counts hidden files too.
struct Folder {
    Folder() { ::chmod(dir.path().toLocal8Bit().constData(), 0755); }
    std::string file(const char* name) const { return dir.filePath(name).toStdString(); }
    qsizetype entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .size();
    }
    QTemporaryDir dir;
};

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `open` as an unprivileged user when the tests run as root, who could read any file.
OpenedFile openUnprivileged(const std::function<OpenedFile()>& open) {
    const bool root = ::geteuid() == 0;
    if (root && ::seteuid(65534) != 0) {
        return {nullptr, "could not drop privileges"};
    }
    OpenedFile opened = open();
    if (root && ::seteuid(0) != 0) {
        std::abort();
    }
    return opened;
}

// A path that must be refused at once: nothing comes back, with the system's reason.
struct RefusedCase {
    const char* name;
    std::function<std::string(const Folder&)> make;
    std::string reason;
};

const RefusedCase kRefused[] = {
    {"FifoWithoutWriter",
     [](const Folder& f) {
         ::mkfifo(f.file("pipe.tsk").c_str(), 0600);
         return f.file("pipe.tsk");
     },
     "Not a regular file"},
    {"CharacterDevice", [](const Folder&) { return std::string("/dev/zero"); },
     "Not a regular file"},
    {"Directory", [](const Folder& f) { return f.file(""); }, "Is a directory"},
    {"Unreadable",
     [](const Folder& f) {
         std::ofstream(f.file("secret.tsk")) << "1+1\n";
         ::chmod(f.file("secret.tsk").c_str(), 0);
         return f.file("secret.tsk");
     },
     "Permission denied"},
    {"LargerThanTheLimit",
     [](const Folder& f) {
         std::ofstream(f.file("big.tsk")).close();
         fs::resize_file(f.file("big.tsk"), kMaxReadFileBytes + 1); // sparse: no disk used
         return f.file("big.tsk");
     },
     "File too large (more than 64 MiB)"},
};

class RefusedFile : public ::testing::TestWithParam<std::tuple<Services, RefusedCase>> {};

TEST_P(RefusedFile, GivesNothingAtOnce) {
    const auto& [kind, c] = GetParam();
    QWidget window;
    const std::unique_ptr<WindowServices> services = kind.make(window);
    const Folder folder;
    const std::string path = c.make(folder);
    std::future<OpenedFile> opening = std::async(std::launch::async, [&] {
        return openUnprivileged([&] { return services->openFile(path); });
    });
    if (opening.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK)); // a writer frees a blocked reader
        FAIL() << "opening " << path << " blocked";
    }
    const OpenedFile opened = opening.get();
    EXPECT_EQ(opened.file, nullptr);
    EXPECT_EQ(opened.reason, c.reason);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFile,
                         ::testing::Combine(::testing::ValuesIn(kServices),
                                            ::testing::ValuesIn(kRefused)),
                         bothNames);

// A limit on the size of files, as a full disk would be: writes past it fail with EFBIG instead
// of a killing signal. The buffer of Qt's save file held 16 KiB, so sizes below and above it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        const struct rlimit limit { bytes, m_old.rlim_max };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    struct rlimit m_old {};
    void (*m_signal)(int);
};

struct SaveCase {
    const char* name;
    std::size_t bytes;
    bool saved;
};

const SaveCase kSaves[] = {
    {"FitsTheLimit", 1000, true},
    {"PastTheLimitUnder16KiB", 10 << 10, false},
    {"PastTheLimitOver16KiB", 64 << 10, false},
};

class SaveUnderSizeLimit : public ::testing::TestWithParam<std::tuple<Services, SaveCase>> {};

TEST_P(SaveUnderSizeLimit, ReplacesWholeOrLeavesTheOldFile) {
    const auto& [kind, c] = GetParam();
    QWidget window;
    const std::unique_ptr<WindowServices> services = kind.make(window);
    const Folder folder;
    const std::string path = folder.file("task.tsk");
    std::ofstream(path, std::ios::binary) << "2h2o+nacl = 94.4730\r\n";
    const std::string bytes(c.bytes, 'x');
    ServiceOutcome outcome;
    {
        const FileSizeLimit limit(4096);
        outcome = services->writeFile(path, bytes);
    }
    EXPECT_EQ(outcome.ok, c.saved);
    EXPECT_EQ(outcome.reason, c.saved ? "" : "File too large");
    const std::string after = contents(path);
    EXPECT_TRUE(after == (c.saved ? bytes : "2h2o+nacl = 94.4730\r\n"))
        << "the file holds " << after.size() << " bytes";
    EXPECT_EQ(folder.entries(), 1) << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(Sizes, SaveUnderSizeLimit,
                         ::testing::Combine(::testing::ValuesIn(kServices),
                                            ::testing::ValuesIn(kSaves)),
                         bothNames);

} // namespace
} // namespace zolvan::testing
