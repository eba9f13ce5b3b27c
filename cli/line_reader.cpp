#include "cli/line_reader.h"

#include "engine/ascii.h"

#include <cerrno>
#include <unistd.h>

namespace zolvan::cli {

void LineSplitter::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        if (m_afterCr && bytes.front() == '\n') {
            bytes.remove_prefix(1);
        }
        m_afterCr = false;
        const std::size_t end = ascii::findFirstOf<"\r\n">(bytes);
        const std::string_view part = bytes.substr(0, end);
        if (!part.empty()) {
            m_open = true;
            const std::size_t room = m_max - m_line.size();
            m_line.append(part.substr(0, room));
            m_cut = m_cut || part.size() > room;
        }
        if (end == std::string_view::npos) {
            return;
        }
        m_afterCr = bytes[end] == '\r';
        endLine();
        bytes.remove_prefix(end + 1);
    }
}

void LineSplitter::finish() {
    if (m_open) {
        endLine();
    }
    m_afterCr = false;
}

void LineSplitter::endLine() {
    m_handler(m_line, m_cut);
    m_line.clear();
    m_cut = false;
    m_open = false;
}

std::vector<std::string> argumentLines(std::string_view text) {
    std::vector<std::string> lines;
    LineSplitter splitter([&lines](std::string& line, bool) { lines.push_back(std::move(line)); },
                          text.size() + 1);
    splitter.feed(text);
    splitter.finish();
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

LineReader::Status LineReader::next(std::string& line) {
    while (m_nextReady == m_ready.size()) {
        m_ready.clear();
        m_nextReady = 0;
        if (m_ended) {
            return Status::End;
        }
        const ssize_t count = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_errno = errno;
            return Status::Error;
        }
        if (count == 0) {
            m_ended = true;
            m_splitter.finish();
        } else {
            m_splitter.feed(std::string_view(m_buffer.data(), static_cast<std::size_t>(count)));
        }
    }
    line = std::move(m_ready[m_nextReady].first);
    m_lastCut = m_ready[m_nextReady].second;
    ++m_nextReady;
    return Status::Line;
}

} // namespace zolvan::cli
