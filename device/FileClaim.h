#pragma once

#include "device/HidBackend.h"

#include <filesystem>
#include <memory>

namespace korvelt {

// A claim held as an exclusive advisory lock on the file `path` (flock on Linux, LockFileEx on
// Windows), which every program that claims the device takes: null when another holds it.
// A file that cannot be opened gives a claim that holds nothing, so that the open that follows
// says why the device cannot be used. `create` makes the file when it is not there.
[[nodiscard]] std::unique_ptr<HidClaim> ClaimFile(const std::filesystem::path &path, bool create);

} // namespace korvelt
