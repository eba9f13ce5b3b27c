// Feeds arbitrary bytes through the reading of task and constants files: the line decoder with
// its encodings (UTF-8 and its mark, Windows-1252, UTF-16 with a mark), line ends and line cut.
// The first byte chooses the longest line kept and how the bytes are cut into the pieces a file
// is read in. Any crash, sanitizer report or escaped exception is a fault, and so is a line that
// is not well-formed UTF-8, holds a line end or is too long, or a result that depends on how the
// bytes were cut into pieces.
#include "engine/utf8.h"
#include "workspace/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zolvan;

void checkLine(std::string_view line, std::size_t maxLine) {
    if (line.size() > maxLine || line.find_first_of("\r\n") != std::string_view::npos) {
        std::abort();
    }
    while (!line.empty()) {
        const Utf8Step step = decodeUtf8(line);
        if (!step.valid) {
            std::abort();
        }
        line.remove_prefix(step.length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::size_t maxLine = (data[0] & 0x80) != 0 ? kMaxTextLineBytes : 1 + data[0] % 16;
    const std::size_t piece = 1 + (data[0] >> 4) % 8;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::vector<std::string> whole = decodeLines(bytes, maxLine);
    TextLineDecoder decoder(maxLine);
    std::deque<std::string> pieces;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        decoder.feed(bytes.substr(at, piece), pieces);
    }
    decoder.finish(pieces);
    if (std::vector<std::string>(pieces.begin(), pieces.end()) != whole) {
        std::abort();
    }

    // Lines decoded once split back into the same lines as pasted text.
    std::string text;
    for (const std::string& line : whole) {
        checkLine(line, maxLine);
        text += line;
        text += '\n';
    }
    if (splitLines(text) != whole) {
        std::abort();
    }
    return 0;
}
