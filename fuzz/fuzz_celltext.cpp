// Any text typed into a time cell, in a 12-hour and a 24-hour locale: parsing never crashes,
// whether the text is read as a cell text or as what a user typed, and a value either reads
// is shown as a text that both read back as the very same value, so that a cell committed
// twice stores the same bits.
#include "text/CellText.h"
#include "FuzzCheck.h"

#include <QLocale>
#include <QString>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

using namespace korvelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::array codecs{CellTextCodec(QLocale(QLocale::English, QLocale::UnitedStates)),
                                   CellTextCodec(QLocale(QLocale::German, QLocale::Germany))};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const CellTextCodec &codec : codecs) {
        for (const auto &value : {codec.CellTextToTime(text), codec.TypedTextToTime(text)}) {
            if (!value) {
                continue;
            }
            const QString shown = codec.TimeToCellText(*value);
            for (const auto &again : {codec.CellTextToTime(shown), codec.TypedTextToTime(shown)}) {
                FuzzRequire(again && std::bit_cast<std::uint64_t>(*again) == std::bit_cast<std::uint64_t>(*value), [&] {
                    return (codec.Locale().name() + ": '" + text + "' is shown as '" + shown + "', read otherwise")
                        .toStdString();
                });
            }
        }
    }
    return 0;
}
