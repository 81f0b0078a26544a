// Any text typed into a time cell, in a 12-hour and a 24-hour locale: parsing never crashes,
// whether the text is read as a cell text or as what a user typed, and a value either reads
// is shown as a text that both read back as the very same value, so that a cell committed
// twice stores the same bits.
#include "CellText.h"
#include "FuzzCheck.h"

#include <QLocale>
#include <QString>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

using namespace korvelt;

namespace {

struct Codecs {
    std::array<CellTextCodec, 2> All{CellTextCodec(QLocale(QLocale::English, QLocale::UnitedStates)),
                                     CellTextCodec(QLocale(QLocale::German, QLocale::Germany))};
};

const Codecs &PinnedCodecs()
{
    static const Codecs codecs;
    return codecs;
}

void CheckReadsBack(const CellTextCodec &codec, const QString &text, const std::optional<TDateTime> &value,
                    const char *how)
{
    if (!value) {
        return;
    }
    const QString shown = codec.TimeToCellText(*value);
    const auto where = [&] {
        return codec.Locale().name().toStdString() + ": '" + text.toStdString() + "' " + how + " -> " +
               FuzzShow(*value) + " -> '" + shown.toStdString() + "'";
    };
    FuzzRequire(!shown.isEmpty(), [&] { return where() + " shows nothing"; });
    for (const auto &again : {codec.CellTextToTime(shown), codec.TypedTextToTime(shown)}) {
        FuzzRequire(again.has_value(), [&] { return where() + " does not read back"; });
        FuzzRequire(std::bit_cast<std::uint64_t>(*again) == std::bit_cast<std::uint64_t>(*value),
                    [&] { return where() + " reads back as " + FuzzShow(*again); });
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    static_cast<void>(PinnedCodecs());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const CellTextCodec &codec : PinnedCodecs().All) {
        CheckReadsBack(codec, text, codec.CellTextToTime(text), "as a cell text");
        CheckReadsBack(codec, text, codec.TypedTextToTime(text), "as typed");
    }
    return 0;
}
