#pragma once
// Standard output and standard error as zolvan-cli writes them. To a terminal each line goes out
// as soon as it is complete. To a file or a pipe lines are kept and written in blocks: one
// system call per block instead of one per line is most of what makes a long input fast. A
// block also goes out whenever the tool is about to wait for more input, so that a program that
// writes a line and waits for its answer gets it; and at the end, before any error message.

#include <cstddef>
#include <string>
#include <string_view>

namespace zolvan::cli {

class OutputStream {
public:
    // `lineByLine`: every line goes out at once (a terminal).
    OutputStream(int fd, bool lineByLine) : m_fd(fd), m_lineByLine(lineByLine) {}

    // Where the next lines are appended.
    std::string& pending() { return m_pending; }
    // Lines have been appended: they go out now when the stream is line by line or the block is
    // full. False, with errno set, when writing failed.
    bool linesEnded();
    // Writes whatever is pending. False, with errno set, when writing failed.
    bool flush();

    // Lines are kept until this much is pending.
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

private:
    int m_fd;
    bool m_lineByLine;
    std::string m_pending;
};

// True when two file descriptors lead to the same file, as after "2>&1": then writing through
// either one puts the bytes in the same place.
bool sameFile(int first, int second);

} // namespace zolvan::cli
