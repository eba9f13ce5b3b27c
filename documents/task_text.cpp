#include "documents/task_text.h"

namespace zolvan {

std::string taskLine(std::string_view input, std::string_view result) {
    std::string line(input);
    if (!result.empty()) {
        line += " = ";
        line += result;
    }
    return line;
}

} // namespace zolvan
