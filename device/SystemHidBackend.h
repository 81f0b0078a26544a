#pragma once

#include "device/HidBackend.h"

#include <memory>

namespace korvelt {

// The HID devices of this computer: through hidapi, or on Windows through the device set-up
// and file interfaces.
[[nodiscard]] std::unique_ptr<HidBackend> CreateSystemHidBackend();

} // namespace korvelt
