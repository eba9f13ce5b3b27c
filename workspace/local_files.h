#pragma once
// Reading and replacing files on the local file system, for both implementations of the window
// services. Reading never blocks on something that is not a regular file, and replacing never
// leaves a file half written.

#include "workspace/window_services.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zolvan {

// Opens a regular file for reading. A FIFO, a device, a socket or a directory is refused before
// it is opened for reading (so a FIFO without a writer cannot block), and so is a file larger
// than `maxBytes`; reading stops with a failure at `maxBytes` when the file grows meanwhile.
OpenedFile openRegularFile(const std::string& path, std::uint64_t maxBytes = kMaxReadFileBytes);

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it over `path`,
// so that `path` names either its old content or all of the new. The new file takes the
// permissions of the old one. Every failed step (a full disk, a file-size limit, a read-only
// folder) removes the new file and leaves `path` as it was. A symbolic link is followed: the
// file it points to is replaced and the link stays.
ServiceOutcome replaceFile(const std::string& path, std::string_view bytes);

// Writes all of `bytes` to `fd`, again after an interrupted or short write; false, with errno
// set, when a write fails.
bool writeAll(int fd, std::string_view bytes);

} // namespace zolvan
