// Any byte string goes through the data-file load checks, and a file that loads is encoded
// again: it must give back every byte the loader interprets.
#include "text/DataFile.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

using namespace korvelt;

namespace {

constexpr std::size_t ReservedAt = 25; // after the name text and its zero byte
constexpr std::size_t SlotsAt = 36;
constexpr std::size_t RuleAt = 12324;

// The loader's checks, said once more in other words: the whole schedule is there, the name
// text with its zero byte stands at offset 4, and the version is not a later one.
bool ShouldLoad(std::span<const std::uint8_t> file)
{
    if (file.size() < DataFileSize) {
        return false;
    }
    const std::string_view name(reinterpret_cast<const char *>(file.data()) + 4, 21);
    const auto version = static_cast<std::int32_t>(file[0] | (file[1] << 8U) | (file[2] << 16U) |
                                                   (static_cast<std::uint32_t>(file[3]) << 24U));
    return name == std::string_view("KORVELT Time Control\0", 21) && version <= 1;
}

// What a file that loaded must encode back to. The version (any up to 1 is read alike), the
// reserved header bytes and the padding of each slot and of the rule are written as the
// writer puts them; every other byte is kept.
DataFileImage ExpectedImage(std::span<const std::uint8_t> file)
{
    DataFileImage expected{};
    std::copy_n(file.begin(), expected.size(), expected.begin());
    std::fill_n(expected.begin(), 4, 0);
    expected[0] = 1;
    std::fill(expected.begin() + ReservedAt, expected.begin() + SlotsAt, 0);
    for (std::size_t padding = SlotsAt + 23; padding < RuleAt; padding += 24) {
        expected.at(padding) = 0;
    }
    std::fill_n(expected.begin() + RuleAt + 1, 3, 0);
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    const DataFileResult result = DecodeDataFile(file);
    FuzzRequire((result.Outcome == DataFileOutcome::Loaded) == ShouldLoad(file),
                [] { return "the load checks decided otherwise"; });
    if (result.Outcome != DataFileOutcome::Loaded) {
        return 0;
    }
    const DataFileImage written = EncodeDataFile(result.Model);
    const DataFileImage expected = ExpectedImage(file);
    const auto [w, e] = std::ranges::mismatch(written, expected);
    FuzzRequire(w == written.end(), [&, w = w] {
        return "written back differently from byte " + std::to_string(std::distance(written.begin(), w));
    });
    return 0;
}
