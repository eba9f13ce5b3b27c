#include "workspace/text_lines.h"

#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

namespace zolvan {

namespace {

// Windows-1252 code points of the bytes 0x80..0x9F; the five bytes it leaves undefined keep
// their C1 control code point.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string windows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        appendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte);
    }
    return out;
}

// The end of a text cut at a byte limit, without a UTF-8 sequence that the cut broke off.
std::string_view withoutBrokenTail(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<std::uint8_t>(text[text.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            const bool broken = byte >= 0xC0 && !decodeUtf8(text.substr(text.size() - back)).valid;
            return broken ? text.substr(0, text.size() - back) : text;
        }
    }
    return text;
}

// Cuts a UTF-8 text to at most `limit` bytes without splitting a character.
void cutUtf8(std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<std::uint8_t>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    text.resize(end);
}

} // namespace

void TextLineDecoder::feed(std::string_view bytes, std::deque<std::string>& lines) {
    if (m_encoding == Encoding::Unknown) {
        m_head.append(bytes);
        if (m_head.size() >= 3) {
            chooseEncoding(lines);
        }
        return;
    }
    if (m_encoding == Encoding::Bytes) {
        feedBytes(bytes, lines);
    } else {
        feedUtf16(bytes, lines);
    }
}

void TextLineDecoder::finish(std::deque<std::string>& lines) {
    if (m_encoding == Encoding::Unknown) {
        chooseEncoding(lines);
    }
    if (m_oddByte >= 0 || m_pending != 0) {
        m_oddByte = -1;
        m_pending = 0;
        codePoint(kReplacementCharacter, lines);
    }
    if (m_open) {
        endLine(lines);
    }
}

void TextLineDecoder::chooseEncoding(std::deque<std::string>& lines) {
    std::string head;
    head.swap(m_head);
    const auto byte = [&head](std::size_t i) {
        return i < head.size() ? static_cast<std::uint8_t>(head[i]) : 0u;
    };
    std::size_t mark = 0;
    m_encoding = Encoding::Bytes;
    if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
        mark = 3;
    } else if (byte(0) == 0xFF && byte(1) == 0xFE) {
        m_encoding = Encoding::Utf16Le, mark = 2;
    } else if (byte(0) == 0xFE && byte(1) == 0xFF) {
        m_encoding = Encoding::Utf16Be, mark = 2;
    }
    feed(std::string_view(head).substr(mark), lines);
}

void TextLineDecoder::feedBytes(std::string_view bytes, std::deque<std::string>& lines) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        if (stop > start) {
            m_open = true;
            m_afterCr = false;
            const std::size_t room = m_max - std::min(m_max, m_line.size());
            m_line.append(bytes.substr(start, std::min(room, stop - start)));
            m_cut = m_cut || stop - start > room;
        }
        if (stop < bytes.size() && lineEnd(static_cast<unsigned char>(bytes[stop]))) {
            endLine(lines);
        }
        start = stop + 1;
    }
}

void TextLineDecoder::feedUtf16(std::string_view bytes, std::deque<std::string>& lines) {
    for (const char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        if (m_oddByte < 0) {
            m_oddByte = byte;
            continue;
        }
        const auto first = static_cast<unsigned>(m_oddByte);
        m_oddByte = -1;
        codeUnit(static_cast<char16_t>(m_encoding == Encoding::Utf16Le ? first | (byte << 8)
                                                                       : (first << 8) | byte),
                 lines);
    }
}

// Pairs surrogates; a half without its partner becomes U+FFFD.
void TextLineDecoder::codeUnit(char16_t unit, std::deque<std::string>& lines) {
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (m_pending != 0) {
        const char16_t pending = std::exchange(m_pending, char16_t{0});
        if (low) {
            codePoint(0x10000 + ((char32_t{pending} - 0xD800) << 10) + (char32_t{unit} - 0xDC00),
                      lines);
            return;
        }
        codePoint(kReplacementCharacter, lines);
    }
    if (high) {
        m_pending = unit;
    } else {
        codePoint(low ? kReplacementCharacter : char32_t{unit}, lines);
    }
}

void TextLineDecoder::codePoint(char32_t c, std::deque<std::string>& lines) {
    if (c == U'\r' || c == U'\n') {
        if (lineEnd(c)) {
            endLine(lines);
        }
        return;
    }
    m_open = true;
    m_afterCr = false;
    std::string utf8;
    appendUtf8(utf8, c);
    if (!m_cut && m_line.size() + utf8.size() <= m_max) {
        m_line += utf8;
    } else {
        m_cut = true;
    }
}

bool TextLineDecoder::lineEnd(char32_t c) {
    const bool pairedLf = c == U'\n' && m_afterCr;
    m_afterCr = c == U'\r';
    return !pairedLf;
}

void TextLineDecoder::endLine(std::deque<std::string>& lines) {
    std::string line = std::move(m_line);
    if (m_encoding == Encoding::Bytes) {
        const std::string_view raw = m_cut ? withoutBrokenTail(line) : std::string_view(line);
        line = isWellFormedUtf8(raw) ? std::string(raw) : windows1252(line);
        cutUtf8(line, m_max);
    }
    lines.push_back(std::move(line));
    m_line.clear();
    m_open = false;
    m_cut = false;
}

std::vector<std::string> decodeLines(std::string_view bytes, std::size_t maxLineBytes) {
    TextLineDecoder decoder(maxLineBytes);
    std::deque<std::string> lines;
    decoder.feed(bytes, lines);
    decoder.finish(lines);
    return {std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end())};
}

TextFileLines::TextFileLines(InputFile& file, std::size_t maxLineBytes)
    : m_file(file), m_decoder(maxLineBytes), m_buffer(std::size_t{1} << 16) {}

std::optional<std::string> TextFileLines::next() {
    while (m_ready.empty()) {
        if (m_done) {
            return std::nullopt;
        }
        const std::optional<std::size_t> count = m_file.read(m_buffer);
        if (!count) {
            m_failure = m_file.failure().empty() ? "Read error" : m_file.failure();
            m_done = true;
        } else if (*count == 0) {
            m_decoder.finish(m_ready);
            m_done = true;
        } else {
            m_decoder.feed(std::string_view(m_buffer.data(), *count), m_ready);
        }
    }
    std::string line = std::move(m_ready.front());
    m_ready.pop_front();
    return line;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

} // namespace zolvan
