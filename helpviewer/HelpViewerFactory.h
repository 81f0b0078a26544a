#pragma once

#include "helpviewer/HelpViewer.h"

#include <memory>

namespace korvelt {

// The platform's help viewer: HTML Help on Windows, the program's own help window elsewhere.
std::unique_ptr<HelpViewer> CreateHelpViewer();

} // namespace korvelt
