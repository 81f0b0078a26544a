#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace korvelt {

// A broken property in a fuzz target: say which, and abort so that libFuzzer keeps the input
// that broke it.
[[noreturn]] inline void FuzzFail(const std::string &what)
{
    std::fprintf(stderr, "Property broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// A double with all its digits.
inline std::string FuzzShow(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

// `describe` says what broke; it runs only when the property does not hold.
template <typename Describe> void FuzzRequire(bool holds, Describe &&describe)
{
    if (!holds) {
        FuzzFail(std::string(describe()));
    }
}

} // namespace korvelt
