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

// Claims the device at `path` through `backend`, asking again for up to `waitMs` while another
// program holds it: a list in another terminal holds each device only for the moment of its
// question, and a command should not fail for that. Null when it is still held.
[[nodiscard]] std::unique_ptr<HidClaim> ClaimWithin(HidBackend &backend, const std::string &path, int waitMs);

} // namespace korvelt
