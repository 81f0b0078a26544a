#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

namespace korvelt {

// Replaces the file at `path` with `bytes` so that the file holds either all of its old or all
// of its new contents, whenever the program or the computer stops: a temporary file in the
// same folder is written, flushed to disk and renamed over the target. A symbolic link is
// followed and kept. Only a regular file is replaced: when the target, after following links,
// is anything else (a folder, a device, a pipe, a socket) or a link that leads nowhere, or a
// file its owner made read-only, nothing is written. On POSIX systems an existing file keeps
// its permissions; on Windows the new file has those the folder gives new files. On failure
// the temporary file is removed, the target is left as it was, and the result is false;
// `error`, when given, then holds the system's reason.
[[nodiscard]] bool SaveFileAtomically(const std::filesystem::path &path, std::span<const std::uint8_t> bytes,
                                      std::error_code *error = nullptr);

// At most the first `maxSize` bytes of a regular file (after following links). Anything else
// is not even opened, as opening a device can act on it (a serial port raises its control
// lines); the open does not wait, so that a pipe swapped in meanwhile does not block until
// something writes to it, and what was opened is checked once more. Nothing when the file
// cannot be opened or read; `error`, when given, then holds the system's reason.
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
LoadRegularFile(const std::filesystem::path &path, std::size_t maxSize, std::error_code *error = nullptr);

} // namespace korvelt
