#include "workspace/local_files.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zolvan {

namespace {

std::string systemReason(int error) {
    return std::generic_category().message(error);
}

std::string sizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
    return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB"
                             : std::to_string(bytes) + " bytes";
}

std::string tooLarge(std::uint64_t maxBytes) {
    return systemReason(EFBIG) + " (more than " + sizeText(maxBytes) + ")";
}

// Why a file of this kind and size is not read, or nothing when it may be.
std::optional<std::string> refusal(const struct stat& info, std::uint64_t maxBytes) {
    if (S_ISDIR(info.st_mode)) {
        return systemReason(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return "Not a regular file";
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        return tooLarge(maxBytes);
    }
    return std::nullopt;
}

class DescriptorFile final : public InputFile {
public:
    DescriptorFile(int fd, std::uint64_t maxBytes) : m_fd(fd), m_max(maxBytes) {}
    DescriptorFile(const DescriptorFile&) = delete;
    DescriptorFile& operator=(const DescriptorFile&) = delete;
    ~DescriptorFile() override { ::close(m_fd); }

    int fd() const { return m_fd; }

    std::optional<std::size_t> read(std::span<char> buffer) override {
        if (!m_failure.empty()) {
            return std::nullopt;
        }
        for (;;) {
            const ssize_t count = ::read(m_fd, buffer.data(), buffer.size());
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                m_failure = systemReason(errno);
                return std::nullopt;
            }
            m_total += static_cast<std::uint64_t>(count);
            if (m_total > m_max) {
                m_failure = tooLarge(m_max);
                return std::nullopt;
            }
            return static_cast<std::size_t>(count);
        }
    }
    const std::string& failure() const override { return m_failure; }

private:
    int m_fd;
    std::uint64_t m_max;
    std::uint64_t m_total = 0;
    std::string m_failure;
};

// The file a save replaces: the target of a symbolic link, so that the link survives.
std::string saveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// A new, empty file beside `target` that nobody else has opened; the umask sets its permissions.
int createTemporary(const std::string& target, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        temporary = target + ".zolvan-" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter++) + "-" + std::to_string(tick % 1000000);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The folder's own entry is flushed too, so that the rename survives a crash.
void syncFolderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

// Writes everything; a short write is followed by another, which then tells the error (a full
// disk, a file-size limit).
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

OpenedFile openRegularFile(const std::string& path, std::uint64_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {nullptr, systemReason(errno)};
    }
    if (std::optional<std::string> refused = refusal(info, maxBytes)) {
        return {nullptr, std::move(*refused)};
    }
    // Non-blocking, in case the path has become a FIFO since the look above.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {nullptr, systemReason(errno)};
    }
    auto file = std::make_unique<DescriptorFile>(fd, maxBytes);
    if (::fstat(fd, &info) != 0) {
        return {nullptr, systemReason(errno)};
    }
    if (std::optional<std::string> refused = refusal(info, maxBytes)) {
        return {nullptr, std::move(*refused)};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return {std::move(file), {}};
}

ServiceOutcome replaceFile(const std::string& path, std::string_view bytes) {
    const std::string target = saveTarget(path);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        return ServiceOutcome::failed(S_ISDIR(old.st_mode) ? systemReason(EISDIR)
                                                           : "Not a regular file");
    }
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return ServiceOutcome::failed(systemReason(errno));
    }
    if (existed) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return ServiceOutcome::failed(systemReason(error));
    }
    syncFolderOf(target);
    return {};
}

} // namespace zolvan
