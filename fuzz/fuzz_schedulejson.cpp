// Any bytes, twice: as a data file, which when it loads must come back from its JSON form as
// the same 12472 bytes, unread ones included; and as JSON text, which must not crash the import, and which, when it
// imports, must export and import to the same schedule and the same text again.
#include "core/DataFileCodec.h"
#include "FuzzCheck.h"
#include "text/ScheduleJson.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

using namespace korvelt;

namespace {

void ImportsAgain(const ScheduleModel &model, const char *what)
{
    const QByteArray json = ScheduleToJson(model);
    const ScheduleJsonResult back = ScheduleFromJson(json);
    FuzzRequire(back.Model.has_value(),
                [&] { return std::string(what) + ": its JSON is refused: " + back.Error.toStdString(); });
    FuzzRequire(std::ranges::equal(EncodeDataFile(*back.Model), EncodeDataFile(model)),
                [&] { return std::string(what) + ": JSON and back gives other bytes"; });
    FuzzRequire(ScheduleToJson(*back.Model) == json,
                [&] { return std::string(what) + ": exported twice differently"; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DataFileResult file = DecodeDataFile(std::span(data, size));
    if (file.Outcome == DataFileOutcome::Loaded) {
        DataFileImage image{};
        std::copy_n(data, image.size(), image.begin());
        const ScheduleJsonResult back = ScheduleFromJson(DataFileToJson(image));
        FuzzRequire(back.Model && back.File == image, [] { return "a data file: JSON and back gives other bytes"; });
        ImportsAgain(file.Model, "a data file's schedule");
    }
    const ScheduleJsonResult json =
        ScheduleFromJson(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    FuzzRequire(json.Model.has_value() == json.Error.isEmpty(), [] { return "a refusal without a message"; });
    if (json.Model) {
        ImportsAgain(*json.Model, "imported JSON");
    }
    return 0;
}
