#include "cli/output_stream.h"

#include "workspace/local_files.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zolvan::cli {

bool sameFile(int first, int second) {
    struct stat a {};
    struct stat b {};
    return ::fstat(first, &a) == 0 && ::fstat(second, &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool OutputStream::linesEnded() {
    if (m_lineByLine || m_pending.size() >= kBlockBytes) {
        return flush();
    }
    return true;
}

bool OutputStream::flush() {
    const bool written = writeAll(m_fd, m_pending);
    m_pending.clear();
    return written;
}

} // namespace zolvan::cli
