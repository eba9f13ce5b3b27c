#pragma once
// A line's text as a walk writes it, one character or piece at a time: on the stack for an
// ordinary line, on the heap for a long one. It spares the walks the checks and stores that
// std::string makes at every appended character.

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace zolvan {

// Room for the whole line is best made at the start, so the check before each store is one
// compare that never fails on the way; it only keeps a store beyond the room impossible.
class LineWriter {
public:
    explicit LineWriter(std::size_t room) {
        if (room > m_room) {
            grow(room);
        }
    }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void put(char c) {
        if (m_size == m_room) [[unlikely]] {
            grow(m_size + 1);
        }
        m_text[m_size++] = c;
    }
    void put(std::string_view s) {
        if (s.size() > m_room - m_size) [[unlikely]] {
            grow(m_size + s.size());
        }
        std::copy_n(s.data(), s.size(), m_text + m_size);
        m_size += s.size();
    }

    void clear() { m_size = 0; }
    std::size_t size() const { return m_size; }
    char back() const { return m_size == 0 ? '\0' : m_text[m_size - 1]; }
    char& operator[](std::size_t pos) { return m_text[pos]; }

    std::string_view view() const { return {m_text, m_size}; }
    std::string text() const { return std::string(m_text, m_size); }

private:
    [[gnu::noinline]] void grow(std::size_t needed) { // out of the way of the common path
        const std::size_t room = std::max(needed, 2 * m_room);
        auto grown = std::make_unique_for_overwrite<char[]>(room);
        std::copy_n(m_text, m_size, grown.get());
        m_heap = std::move(grown);
        m_text = m_heap.get();
        m_room = room;
    }

    std::array<char, 256> m_local;
    std::unique_ptr<char[]> m_heap; // made only for a long line
    char* m_text = m_local.data();
    std::size_t m_size = 0;
    std::size_t m_room = m_local.size();
};

// Replaces the contents of `out` by `text`, which must not lie in `out`. Clearing and appending
// skips the overlap checks of the general assign, which cost more than a short text's copy.
inline void replaceText(std::string& out, std::string_view text) {
    out.clear();
    out.append(text);
}

} // namespace zolvan
