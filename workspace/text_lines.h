#pragma once
// Text files as users have them, read a piece at a time into lines of UTF-8 text, so that a file
// never sits in memory as a whole. The first bytes choose the encoding: a UTF-16 byte-order mark
// (little or big endian) means UTF-16, and a UTF-8 mark is dropped; without a mark each line is
// read as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise. A line ends at CR, CR LF or
// LF, also when the pair is split between two pieces; a line end at the very end of the text
// starts no further line, and empty lines inside it are kept.

#include "workspace/window_services.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

// The longest line kept from a task file, in UTF-8 bytes. A longer line is cut at a character
// boundary and the rest of it skipped; the cut line still holds more characters than the engine
// takes (it refuses 32,767 or more), so it is refused as too long unless it is mostly blanks.
inline constexpr std::size_t kMaxTextLineBytes = std::size_t{1} << 17;

class TextLineDecoder {
public:
    explicit TextLineDecoder(std::size_t maxLineBytes = kMaxTextLineBytes) : m_max(maxLineBytes) {}

    // Decodes the next piece of the text; the lines it completes are appended to `lines`.
    void feed(std::string_view bytes, std::deque<std::string>& lines);
    // The end of the text: a last line without a line end is appended.
    void finish(std::deque<std::string>& lines);

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };

    void chooseEncoding(std::deque<std::string>& lines);
    void feedBytes(std::string_view bytes, std::deque<std::string>& lines);
    void feedUtf16(std::string_view bytes, std::deque<std::string>& lines);
    void codeUnit(char16_t unit, std::deque<std::string>& lines);
    void codePoint(char32_t c, std::deque<std::string>& lines);
    // A CR or LF: true when it ends a line, false for the LF of a CR LF pair.
    bool lineEnd(char32_t c);
    void endLine(std::deque<std::string>& lines);

    std::size_t m_max;
    Encoding m_encoding = Encoding::Unknown;
    std::string m_head;  // the first bytes, until the encoding is known
    std::string m_line;  // raw bytes, or UTF-8 when the text is UTF-16
    bool m_open = false; // characters of the current line have been seen
    bool m_cut = false;  // some of them were skipped
    bool m_afterCr = false;
    int m_oddByte = -1;     // UTF-16: the first byte of a code unit
    char16_t m_pending = 0; // UTF-16: a high surrogate waiting for its low half
};

// The lines of a text held in memory.
std::vector<std::string> decodeLines(std::string_view bytes,
                                     std::size_t maxLineBytes = kMaxTextLineBytes);

// The lines of a file opened through the window services, read a piece at a time.
class TextFileLines {
public:
    explicit TextFileLines(InputFile& file, std::size_t maxLineBytes = kMaxTextLineBytes);

    // The next line; nothing at the end of the file or when reading failed.
    std::optional<std::string> next();
    // Why reading stopped before the end of the file; empty when it did not.
    const std::string& failure() const { return m_failure; }

private:
    InputFile& m_file;
    TextLineDecoder m_decoder;
    std::vector<char> m_buffer;
    std::deque<std::string> m_ready;
    bool m_done = false;
    std::string m_failure;
};

// The lines of a text that is already UTF-8 (pasted text), by the same line ends.
std::vector<std::string> splitLines(std::string_view text);

} // namespace zolvan
