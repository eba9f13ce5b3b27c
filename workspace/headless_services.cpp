#include "workspace/headless_services.h"

#include "workspace/local_files.h"

#include <chrono>
#include <cstdio>

namespace zolvan {

unsigned HeadlessServices::clockSeed() {
    return static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
}

OpenedFile HeadlessServices::openFile(const std::string& path) {
    return openRegularFile(path);
}

ServiceOutcome HeadlessServices::writeFile(const std::string& path, std::string_view bytes) {
    return replaceFile(path, bytes);
}

void HeadlessServices::reportError(std::string_view title, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
}

} // namespace zolvan
