#pragma once
// Splits a byte stream into lines for zolvan-cli. CR, CR LF and LF each end a line, also when a
// CR LF pair is split between two reads. A line keeps at most a fixed number of bytes: the rest
// of it is skipped up to its line end, so one huge line cannot exhaust memory. It reads nothing
// itself; LineReader below feeds it from a file descriptor.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan::cli {

// The most bytes kept of one line: far more than the engine takes (it rejects 32,767 characters
// or more), so a cut line still reads as too long to the engine unless it is mostly blanks.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

class LineSplitter {
public:
    // Called once per line, without its line end; `cut` tells that bytes were skipped.
    using LineHandler = std::function<void(std::string& line, bool cut)>;

    LineSplitter(LineHandler handler, std::size_t maxLineBytes = kMaxLineBytes)
        : m_handler(std::move(handler)), m_max(maxLineBytes) {}

    void feed(std::string_view bytes);
    // Ends the stream: a last line without a line end still counts.
    void finish();

private:
    void endLine();

    LineHandler m_handler;
    std::size_t m_max;
    std::string m_line;
    bool m_cut = false;
    bool m_open = false;    // bytes of the current line have been seen
    bool m_afterCr = false; // the last line end was a CR, so an LF right now belongs to it
};

// The lines of one command-line argument, by the same rules: "" is one empty line, and a line
// end at the very end starts no further line.
std::vector<std::string> argumentLines(std::string_view text);

// Reads lines from a file descriptor (standard input).
class LineReader {
public:
    enum class Status { Line, End, Error };

    explicit LineReader(int fd) : m_fd(fd) {}
    LineReader(const LineReader&) = delete; // the splitter's handler points back at this reader
    LineReader& operator=(const LineReader&) = delete;

    // The next line into `line`; Error leaves the reason in errorNumber().
    Status next(std::string& line);
    // False when next() has to wait for the file descriptor.
    bool lineReady() const { return m_nextReady < m_ready.size() || m_ended; }
    bool lastLineCut() const { return m_lastCut; }
    int errorNumber() const { return m_errno; }

private:
    int m_fd;
    std::vector<char> m_buffer = std::vector<char>(std::size_t{1} << 16);
    std::vector<std::pair<std::string, bool>> m_ready;
    std::size_t m_nextReady = 0;
    bool m_ended = false;
    bool m_lastCut = false;
    int m_errno = 0;
    LineSplitter m_splitter{
        [this](std::string& line, bool cut) { m_ready.emplace_back(std::move(line), cut); }};
};

} // namespace zolvan::cli
