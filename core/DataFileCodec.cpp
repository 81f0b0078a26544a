#include "core/DataFileCodec.h"

#include "core/BytePacking.h"

#include <algorithm>

namespace korvelt {

namespace {

// The name text ends with a zero byte right after it.
constexpr std::size_t NameEnd = DataFileNameOffset + DataFileName.size() + 1;

} // namespace

DataFileImage EncodeDataFile(const ScheduleModel &model)
{
    DataFileImage file{}; // the zero byte after the name and the reserved bytes stay zero
    PutLittleEndian(std::span(file).first<4>(), static_cast<std::uint32_t>(DataFileVersion));
    std::ranges::copy(DataFileName, file.begin() + DataFileNameOffset);
    std::ranges::copy(EncodeScheduleImage(model), file.begin() + DataFileHeaderSize);
    return file;
}

bool HasDataFileHeader(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= NameEnd &&
           std::ranges::equal(bytes.subspan(DataFileNameOffset, DataFileName.size()), DataFileName,
                              [](std::uint8_t byte, char c) { return byte == static_cast<std::uint8_t>(c); }) &&
           bytes[NameEnd - 1] == 0;
}

DataFileResult DecodeDataFile(std::span<const std::uint8_t> bytes)
{
    if (!HasDataFileHeader(bytes)) {
        return {DataFileOutcome::Incompatible, {}};
    }
    const auto version = static_cast<std::int32_t>(GetLittleEndian<std::uint32_t>(bytes.first<4>()));
    if (version > DataFileVersion) {
        return {DataFileOutcome::LaterFormat, {}};
    }
    if (bytes.size() < DataFileSize) {
        return {DataFileOutcome::Incompatible, {}};
    }
    ScheduleImage image{};
    std::ranges::copy(bytes.subspan(DataFileHeaderSize, ScheduleImageSize), image.begin());
    return {DataFileOutcome::Loaded, DecodeScheduleImage(image)};
}

} // namespace korvelt
