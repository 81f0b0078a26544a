#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace korvelt {

// A property of a fuzz target. When it does not hold, `describe` says which broke, and the
// abort makes libFuzzer keep the input that broke it.
template <typename Describe> void FuzzRequire(bool holds, Describe &&describe)
{
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", std::string(describe()).c_str());
        std::fflush(stderr);
        std::abort();
    }
}

} // namespace korvelt
